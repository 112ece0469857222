#include <QFileInfo>

#include <QCoreApplication>
#include <QJsonObject>
#include <QJsonValue>
#include <cmath>

#include "command_line.h"
#include "commands.h"
#include "measurement/advice_text.h"
#include "measurement/comparison.h"
#include "model_commands.h"
#include "nec/nec_engine.h"
#include "positions/position_builds.h"

namespace querlin::cli {

// Every option is read first, then the formula runs for the design, then
// the file is read and only then the engine runs; nothing is printed until
// all is known.
int runMeasured(const MeasuredRequest& request, const Output& output) {
    const QLocale& locale = output.locale;
    const double feedline = positiveOption(u"feedline"_qs, request.feedline, locale);
    std::optional<double> frequency;
    std::optional<double> built;
    nec::ModelOptions options;
    if (request.antenna) {
        options = modelOptions(request.model, request.antenna->metric, locale);
        if (!request.loadInductance.isEmpty()) {
            built = positiveOption(u"load-inductance"_qs, request.loadInductance, locale);
        }
    } else if (request.frequency) {
        frequency = positiveOption(u"frequency"_qs, *request.frequency, locale);
    }
    std::optional<build::Former> former;
    if (request.coil) {
        former = formerOf(*request.coil, locale);
    }
    std::optional<nec::LoadedDipole> design;
    if (request.antenna) {
        const ModelDesign formula = designForModel(*request.antenna, {}, locale);
        requireLoadingCoil(*request.antenna, formula, locale, ModelInputs{}.metricSwitch);
        design = formula.dipole;
        design->inductance = built.value_or(design->inductance);
        frequency = design->frequency;
        if (former) {
            // A former on which no coil winds ends the command before the engine runs.
            build::woundFor(*former, design->inductance, design->frequency);
        }
    }
    const measurement::OnePort sweep = measurement::readMeasurementFile(request.file);
    const measurement::MeasuredFigures measured =
        measurement::measuredIn(sweep, request.file, feedline, frequency);
    measurement::TuningAdvice advice = measurement::noAdvice();
    measurement::OnePort modelled;
    if (design) {
        advice = measurement::tuningAdvice(*design, options, measured, engineRuns().engine());
        if (!request.plot.isEmpty()) {
            modelled = measurement::modelledSweep(*design, options, measurement::sweepOver(sweep),
                                                  engineRuns().engine());
        }
    }
    if (!request.plot.isEmpty()) {
        const FrequencyPlot plot = measurement::comparisonPlot(
            request.antenna ? plotTitle(*request.antenna) : QFileInfo(request.file).fileName(),
            sweep, modelled, feedline, frequency, true);
        savePlot(request.plot, plot);
    }
    const bool metric = request.antenna && request.antenna->metric;
    std::optional<measurement::TurnsChange> turns;
    if (former) {
        turns = measurement::turnsChange(advice, *design, *former);
    }
    std::vector<measurement::MeasuredFigure> figures =
        measurement::figureList(measured, advice, metric, turns);
    if (output.json) {
        QJsonObject object;
        for (const measurement::MeasuredFigure& figure : figures) {
            object.insert(QLatin1String(figure.key), std::isfinite(figure.value)
                                                         ? QJsonValue(figure.value)
                                                         : QJsonValue(QJsonValue::Null));
        }
        writeJson(output.out, object);
        return kSuccess;
    }
    // The lines of the measurement alone without the design; the turns only
    // with the former.
    if (!design) {
        figures.resize(5);
    } else if (!former) {
        figures.pop_back();
    }
    for (const measurement::MeasuredFigure& figure : figures) {
        writeLine(
            output.out,
            (QLatin1String(figure.key) + u' ' + measurement::figureText(figure, locale)).toUtf8());
    }
    if (design) {
        for (const QString& line :
             measurement::adviceLines(advice, *design, metric, locale, turns)) {
            writeLine(output.out, line.toUtf8());
        }
    }
    return kSuccess;
}

void saveModelSweep(const QString& file, const DesignRow& row, double feedline) {
    const nec::LoadedDipole& dipole = row.design.dipole;
    saveTouchstone(file,
                   measurement::modelledSweep(dipole, row.options,
                                              measurement::referenceSweep(dipole.frequency),
                                              engineRuns().engine()),
                   feedline,
                   QStringLiteral("coils of %1 uH %2 m from the centre,")
                       .arg(dipole.inductance, 0, 'g', 8)
                       .arg(dipole.coilDistance, 0, 'g', 8),
                   row);
}

void saveTouchstone(const QString& file, const measurement::OnePort& sweep, double feedline,
                    const QString& coils, const DesignRow& row) {
    const nec::LoadedDipole& dipole = row.design.dipole;
    const QStringList comments{
        QStringLiteral("QUERLIN's model of the loaded dipole for %1 MHz, %2 m long, %3")
            .arg(dipole.frequency, 0, 'g', 8)
            .arg(dipole.length, 0, 'g', 8)
            .arg(coils),
        QStringLiteral("as the NEC-2 engine nec2c computes its feed point; %1.")
            .arg(row.options.height
                     ? QStringLiteral("%1 m over average ground").arg(*row.options.height)
                     : u"free space"_qs),
    };
    save(file, measurement::touchstoneOf(sweep, feedline, comments),
         QCoreApplication::translate("querlin-calc", "the Touchstone file"));
}

}  // namespace querlin::cli
