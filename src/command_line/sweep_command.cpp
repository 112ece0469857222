#include <QStringList>

#include "check/check_figures.h"
#include "command_line.h"
#include "model_commands.h"
#include "nec/nec_engine.h"
#include "sweep_command.h"

namespace querlin::cli {

namespace {

// A row of the table: the upper CALCULATE's three texts, the wound coil's
// and the check's figures.
void printRow(const DesignRow& row, check::Loss loss, const Output& output) {
    const Results upper{{"distance", row.design.distance},
                        {"inductance", row.design.inductance},
                        {"impedance", row.design.impedance}};
    if (output.json) {
        QJsonObject object = modelJson(row, upper);
        object.insert(QLatin1String("position"), row.position);
        writeJson(output.out, object);
        return;
    }
    QStringList fields{QString::number(row.position)};
    for (const Result& result : modelTexts(row, upper)) {
        fields << csvField(result.text);
    }
    if (row.check) {
        for (const check::FigureForm& form : check::figureForms(loss)) {
            fields << csvField(figureText(form.of(*row.check), output.locale, UnitShown::Without));
        }
    }
    writeLine(output.out, fields.join(u',').toUtf8());
}

}  // namespace

// Every position in ascending order; the first fault ends the table. With
// --check the engine then runs the designs before the fault, several at a
// time.
int runSweep(const SweepRequest& request, const Output& output) {
    ModelInputs inputs;
    if (request.check) {
        inputs = request.check->inputs;
    } else {
        inputs.modelled = false;
    }
    const double feedline = request.check ? request.check->feedline : 0;
    const check::Loss loss =
        inputs.loadingCoil ? check::Loss::Lossy : check::lossOf(inputs.options);
    const bool drawn = !request.plot.isEmpty();
    if (!output.json && !drawn) {
        QStringList header{u"position,distance,inductance,impedance"_qs};
        if (inputs.loadingCoil) {
            header << QLatin1String(kCoilTurns) << QLatin1String(kCoilQ);
        }
        if (request.check) {
            header << check::figureKeys(loss);
        }
        writeLine(output.out, header.join(u',').toUtf8());
    }
    PositionSweep sweep = designSweep(request.antenna, inputs, output.locale);
    if (request.check) {
        const std::vector<check::DipoleCheck> checks =
            nec::waited(checkRows(engineRuns(), sweep.rows, feedline));
        for (std::size_t i = 0; i < checks.size(); ++i) {
            sweep.rows[i].check = checks[i];
        }
    }
    if (drawn && !sweep.rows.empty()) {
        // The worked position's texts as the table would print them.
        savePlot(request.plot,
                 sweepPlot(request.antenna, sweep.rows, request.worked, {}, output.locale));
    }
    for (const DesignRow& row : sweep.rows) {
        if (!drawn) {
            printRow(row, loss, output);
        }
    }
    if (sweep.fault) {
        throw *sweep.fault;
    }
    return kSuccess;
}

}  // namespace querlin::cli
