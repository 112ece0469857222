#include <QStringList>

#include <QCoreApplication>
#include <cmath>

#include "build/build_figures.h"
#include "command_line.h"
#include "commands.h"
#include "measurement/comparison.h"
#include "model_commands.h"
#include "nec/nec_engine.h"
#include "positions/position_builds.h"

namespace querlin::cli {

namespace {

using build::DipoleBuild;

// What every build of a request takes: the design's inputs, the line and the
// coils' loss. The build winds its own coils, for the inductance it finds,
// not the formula's as check winds them.
struct BuildInputs {
    ModelInputs inputs;
    double feedline = 0;
    build::CoilLoss loss;
    check::Loss kind = check::Loss::Lossless;
    bool wound = false;
    bool metric = false;  // the cut list in metres, not feet
};

BuildInputs buildInputs(const BuildRequest& request, const QLocale& locale) {
    BuildInputs build{modelInputs(request.check, request.antenna.metric, locale),
                      0,
                      {},
                      {},
                      false,
                      request.antenna.metric};
    build.feedline = positiveOption(u"feedline"_qs, build.inputs.feedline, locale);
    build.loss.q = build.inputs.options.coilQ;
    if (build.inputs.loadingCoil) {
        build.loss.former = formerOf(*build.inputs.loadingCoil, locale);
        build.inputs.loadingCoil.reset();
        build.wound = true;
    }
    build.kind = build.loss.q || build.loss.former ? check::Loss::Lossy
                                                   : check::lossOf(build.inputs.options);
    return build;
}

// Before the engine runs: a former on which no coil winds ends the build.
void requireWindable(const BuildInputs& build, const DesignRow& row) {
    if (build.loss.former) {
        build::woundFor(*build.loss.former, row.design.dipole.inductance,
                        row.design.dipole.frequency);
    }
}

DipoleBuild buildOf(const DesignRow& row, const BuildInputs& build) {
    return build::buildDipole(row.design.dipole, row.options, build.feedline, build.loss,
                              build::Bandwidth::Found, engineRuns().engine());
}

// A line of the command: its JSON key, then its text.
void keyed(const Output& output, const char* key, const QString& text) {
    writeLine(output.out, (QLatin1String(key) + u' ' + text).toUtf8());
}

QString number(double value, int decimals, const char* unit, const QLocale& locale) {
    return check::figureText(value, decimals, unit, locale, check::UnitShown::With);
}

// The build's figures, its coils as wound, where no shunt coil matches why,
// and where the model is rough why, each after its key.
void printBuild(const Output& output, const DipoleBuild& build, const BuildInputs& inputs,
                const DesignRow& row) {
    const double frequency = row.design.dipole.frequency;
    for (const build::BuildFigureForm& form : build::buildFigureForms(inputs.kind)) {
        keyed(output, form.key,
              check::figureText(form, build, output.locale, check::UnitShown::With));
    }
    if (inputs.wound) {
        for (const build::WoundFigureForm& form : build::woundFigureForms()) {
            keyed(output, form.key,
                  check::figureText(form, build, output.locale, check::UnitShown::With));
        }
        for (const build::FitForm& form : build::fitForms()) {
            keyed(output, form.key, build::fitText(form, build));
        }
    }
    for (const build::CutPiece& piece :
         build::cutList(row.design.dipole, row.options, inputs.metric)) {
        keyed(output, piece.key,
              check::figureText(piece.length, build::kCutDecimals, piece.unit, output.locale,
                                check::UnitShown::With));
    }
    const QString why = build::noMatchText(build, inputs.feedline, frequency, output.locale);
    if (!why.isEmpty()) {
        keyed(output, build::kNoMatch, why);
    }
    printNote(output.out, row);
}

QJsonObject buildJson(const DesignRow& row, const DipoleBuild& build, const BuildInputs& inputs) {
    QJsonObject object = jsonOf(row.design.results());
    build::insertBuild(object, build, inputs.kind, inputs.wound);
    for (const build::CutPiece& piece :
         build::cutList(row.design.dipole, row.options, inputs.metric)) {
        check::insertFigure(object, piece.key,
                            rounded(piece.length, build::kCutDecimals, QLocale::c()).value);
    }
    const QString why =
        build::noMatchText(build, inputs.feedline, row.design.dipole.frequency, QLocale::c());
    if (!why.isEmpty()) {
        object.insert(QLatin1String(build::kNoMatch), why);
    }
    insertNote(object, row);
    return object;
}

// The build's feed point for an analyser, as check --touchstone writes the
// design's: the loading coils as built, the matching coil across the feed
// point.
void saveBuild(const QString& file, const DesignRow& row, const DipoleBuild& build,
               const BuildInputs& inputs) {
    if (file.isEmpty()) {
        return;
    }
    const nec::LoadedDipole& dipole = row.design.dipole;
    QString coils = QStringLiteral("loading coils of %1 uH %2 m from the centre")
                        .arg(build.loadInductance, 0, 'g', 8)
                        .arg(dipole.coilDistance, 0, 'g', 8);
    if (std::isfinite(build.loadQ)) {
        coils += QStringLiteral(" (Q %1)").arg(build.loadQ, 0, 'g', 6);
    }
    if (build.match == DipoleBuild::Match::ShuntCoil) {
        coils += QStringLiteral(", a matching coil of %1 uH across the feed point")
                     .arg(build.shuntInductance, 0, 'g', 8);
        if (std::isfinite(build.shuntQ)) {
            coils += QStringLiteral(" (Q %1)").arg(build.shuntQ, 0, 'g', 6);
        }
    }
    saveTouchstone(file,
                   measurement::builtSweep(dipole, row.options, build,
                                           measurement::referenceSweep(dipole.frequency),
                                           engineRuns().engine()),
                   inputs.feedline, coils + u',', row);
}

void printDesign(const Output& output, const DesignRow& row) {
    for (const Result& result : row.design.results()) {
        keyed(output, result.name, result.text);
    }
}

// The builds as a picture, in the file --plot names: each loading coil by
// the formula and as built, the bandwidth and, with loss in the model, the
// efficiency with the best position ringed.
void drawBuilds(const BuildRequest& request, const BuildInputs& inputs,
                const std::vector<DesignRow>& rows, const std::vector<RowBuild>& builds,
                const QLocale& locale) {
    SweepPlot plot = sweepPlot(request.antenna, rows, request.worked, {}, locale);
    plotBuilds(plot, rows, builds);
    if (inputs.kind == check::Loss::Lossy) {
        plotEfficiency(plot, rows, builds, inputs.feedline);
    }
    savePlot(request.plot, plot);
}

// Every position a row, as the checked sweep prints them, or drawn in place
// of the table; the first position whose coils cannot be had ends the table,
// as a fault does, and the picture, drawn first, leaves it out.
int buildSweep(const BuildRequest& request, const BuildInputs& inputs, const Output& output) {
    const bool drawn = !request.plot.isEmpty();
    if (!output.json && !drawn) {
        writeLine(output.out, (u"position,distance,inductance,impedance,"_qs +
                               build::buildKeys(inputs.kind, inputs.wound).join(u','))
                                  .toUtf8());
    }
    PositionSweep sweep = designSweep(request.antenna, inputs.inputs, output.locale);
    if (!sweep.rows.empty()) {
        requireWindable(inputs, sweep.rows.front());
    }
    const std::vector<RowBuild> builds = nec::waited(
        buildRows(engineRuns(), sweep.rows, inputs.feedline, inputs.loss, build::Bandwidth::Found));
    if (drawn && !sweep.rows.empty()) {
        drawBuilds(request, inputs, sweep.rows, builds, output.locale);
    }
    for (std::size_t i = 0; i < builds.size(); ++i) {
        const DesignRow& row = sweep.rows[i];
        if (builds[i].fault) {
            throw *builds[i].fault;
        }
        if (drawn) {
            continue;
        }
        const DipoleBuild& build = *builds[i].build;
        if (output.json) {
            QJsonObject object = buildJson(row, build, inputs);
            object.remove(QStringLiteral("matching"));
            object.insert(QLatin1String("position"), row.position);
            writeJson(output.out, object);
            continue;
        }
        QStringList fields{QString::number(row.position), csvField(row.design.distance),
                           csvField(row.design.inductance), csvField(row.design.impedance)};
        for (const build::BuildFigureForm& form : build::buildFigureForms(inputs.kind)) {
            fields << csvField(
                check::figureText(form, build, output.locale, check::UnitShown::Without));
        }
        if (inputs.wound) {
            for (const build::WoundFigureForm& form : build::woundFigureForms()) {
                fields << csvField(
                    check::figureText(form, build, output.locale, check::UnitShown::Without));
            }
            for (const build::FitForm& form : build::fitForms()) {
                fields << build::fitText(form, build);
            }
        }
        writeLine(output.out, fields.join(u',').toUtf8());
    }
    if (sweep.fault) {
        throw *sweep.fault;
    }
    return kSuccess;
}

// Every position built without its bandwidth, then the best built in full:
// the position, its design and build, the positions near it and the one
// whose own resistance at resonance comes closest to the line's.
int buildBest(const BuildRequest& request, const BuildInputs& inputs, const Output& output) {
    PositionSweep sweep = designSweep(request.antenna, inputs.inputs, output.locale);
    if (!sweep.rows.empty()) {
        requireWindable(inputs, sweep.rows.front());
    }
    const std::vector<RowBuild> builds = nec::waited(buildRows(
        engineRuns(), sweep.rows, inputs.feedline, inputs.loss, build::Bandwidth::LeftOut));
    const auto best = bestPosition(sweep.rows, builds, inputs.feedline);
    if (!best) {
        throw builds.empty() || !builds.front().fault
            ? Fault(FaultStatus::Calculation,
                    QCoreApplication::translate("querlin-calc",
                                                "No position gives a build with an efficiency."))
            : *builds.front().fault;
    }
    const DesignRow& row = sweep.rows[best->best];
    const DipoleBuild build = buildOf(row, inputs);
    saveBuild(request.touchstone, row, build, inputs);
    const std::optional<DipoleBuild> closest =
        best->closest ? builds[*best->closest].build : std::nullopt;
    const double closestPosition =
        best->closest ? sweep.rows[*best->closest].position : DipoleBuild::kNone;
    // The closest position's figures, under their keys, with their decimals
    // and units.
    struct Extra {
        const char* key;
        double value;
        int decimals;
        const char* unit;
    };
    const Extra extras[] = {
        {"near_best_from", static_cast<double>(best->nearFrom), 0, "%"},
        {"near_best_to", static_cast<double>(best->nearTo), 0, "%"},
        {"closest_position", closestPosition, 0, "%"},
        {"closest_inductance", closest ? closest->resonantInductance : DipoleBuild::kNone, 3, "uH"},
        {"closest_resistance", closest ? closest->resonantResistance : DipoleBuild::kNone, 2,
         "ohms"},
        {"closest_swr", closest ? closest->resonantSwr : DipoleBuild::kNone, 2, ""},
        {"left_out", static_cast<double>(best->leftOut), 0, ""},
    };
    if (output.json) {
        QJsonObject object = buildJson(row, build, inputs);
        object.insert(QLatin1String("position"), row.position);
        for (const Extra& extra : extras) {
            check::insertFigure(object, extra.key, extra.value);
        }
        writeJson(output.out, object);
        return kSuccess;
    }
    keyed(output, "position", QString::number(row.position));
    printDesign(output, row);
    printBuild(output, build, inputs, row);
    for (const Extra& extra : extras) {
        keyed(output, extra.key, number(extra.value, extra.decimals, extra.unit, output.locale));
    }
    return kSuccess;
}

}  // namespace

// The options and the former are read first, then the formula runs, and
// only then the engine.
int runBuild(const BuildRequest& request, const Output& output) {
    const BuildInputs inputs = buildInputs(request, output.locale);
    switch (request.where) {
        case BuildRequest::Where::Sweep:
            return buildSweep(request, inputs, output);
        case BuildRequest::Where::Best:
            return buildBest(request, inputs, output);
        case BuildRequest::Where::Given:
            break;
    }
    const DesignRow row = designRow(request.antenna, inputs.inputs, output.locale);
    requireWindable(inputs, row);
    const DipoleBuild build = buildOf(row, inputs);
    saveBuild(request.touchstone, row, build, inputs);
    if (output.json) {
        writeJson(output.out, buildJson(row, build, inputs));
        return kSuccess;
    }
    printDesign(output, row);
    printBuild(output, build, inputs, row);
    return kSuccess;
}

}  // namespace querlin::cli
