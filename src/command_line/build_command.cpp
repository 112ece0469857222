#include <QStringList>

#include <QCoreApplication>
#include <cmath>

#include "build/build_figures.h"
#include "build_output.h"
#include "command.h"
#include "command_line.h"
#include "measurement/comparison.h"
#include "model_commands.h"
#include "nec/nec_engine.h"
#include "option_texts.h"
#include "positions/position_builds.h"
#include "request_words.h"
#include "usage_error.h"

namespace querlin::cli {

namespace {

using build::DipoleBuild;

// What to build: at the position given, at every position, or at the best.
struct BuildRequest {
    enum class Where { Given, Sweep, Best };
    Antenna antenna;
    CheckInputs check;
    Where where = Where::Given;
    QString touchstone;         // the build's sweep as a Touchstone file; none when empty
    QString plot;               // the picture's file, for the sweep drawn
    std::optional<int> worked;  // the position it marks, per cent
};

// The position a build takes to mean the best one.
const QString kBestPosition = QStringLiteral("best");

BuildInputs buildInputs(const BuildRequest& request, const QLocale& locale) {
    BuildInputs build{request.check.inputs,  request.check.feedline, {}, {}, false,
                      request.antenna.metric};
    build.loss.q = build.inputs.options.coilQ;
    if (build.inputs.loadingCoil) {
        build.loss.former = formerOf(*build.inputs.loadingCoil, locale);
        modelWoundOn(build.inputs.options, *build.loss.former);
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
            fields << csvField(figureText(form.of(build), output.locale, UnitShown::Without));
        }
        if (inputs.wound) {
            for (const build::WoundFigureForm& form : build::woundFigureForms()) {
                fields << csvField(figureText(form.of(build), output.locale, UnitShown::Without));
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
    // Where the best lies, and the closest position's figures.
    const Figure extras[] = {
        {{"near_best_from", 0, "%"}, static_cast<double>(best->nearFrom)},
        {{"near_best_to", 0, "%"}, static_cast<double>(best->nearTo)},
        {{"closest_position", 0, "%"}, closestPosition},
        {{"closest_inductance", 3, "uH"},
         closest ? closest->resonantInductance : DipoleBuild::kNone},
        {{"closest_resistance", 2, "ohms"},
         closest ? closest->resonantResistance : DipoleBuild::kNone},
        {{"closest_swr", 2, ""}, closest ? closest->resonantSwr : DipoleBuild::kNone},
        {{"left_out", 0, ""}, static_cast<double>(best->leftOut)},
    };
    if (output.json) {
        QJsonObject object = buildJson(row, build, inputs);
        object.insert(QLatin1String("position"), row.position);
        for (const Figure& extra : extras) {
            insertFigure(object, extra);
        }
        writeJson(output.out, object);
        return kSuccess;
    }
    keyed(output, "position", QString::number(row.position));
    printBuild(output, build, inputs, row);
    for (const Figure& extra : extras) {
        keyed(output, extra.form.key, figureText(extra, output.locale, UnitShown::With));
    }
    return kSuccess;
}

// The former is found first, then the formula runs, and only then the
// engine.
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
    printBuild(output, build, inputs, row);
    return kSuccess;
}

// build at a position, at every one, or at the best, which needs the coils'
// loss to tell the positions apart.
Work buildWork(const Words& words) {
    const bool best = words.value("position") == kBestPosition;
    const Antenna antenna = antennaOf(words, !words.isSet("sweep") && !best);
    const Drawing drawn = drawing(words, words.isSet("json"));
    const CheckWords check = checkWords(words);
    const QString touchstone = touchstoneFile(words);
    BuildRequest request{antenna,    {},         BuildRequest::Where::Given,
                         touchstone, drawn.file, drawn.worked};
    if (words.isSet("sweep")) {
        if (!request.touchstone.isEmpty()) {
            misused(QCoreApplication::translate(
                "querlin-calc", "--touchstone writes one build's feed point: leave out --sweep."));
        }
        request.where = BuildRequest::Where::Sweep;
    } else if (best) {
        if (check.model.coilQ.isEmpty() && !check.loadingCoil) {
            misused(
                QCoreApplication::translate("querlin-calc",
                                            "--position best needs the coils' loss: --coil-q, or "
                                            "--coil-diameter, --coil-length and --coil-wire."));
        }
        request.where = BuildRequest::Where::Best;
    }
    request.check = checkInputs(check, antenna.metric, words.locale());
    return [request](const Output& output) { return runBuild(request, output); };
}

// The position as build takes it.
constexpr OptionText kBuildPosition{
    "position", "PCT",
    QT_TRANSLATE_NOOP(
        "querlin-calc",
        "The distance from the centre to each coil as a percentage of half the antenna, a whole "
        "number from 1 to 99; or best, the position of highest efficiency, which needs the coils' "
        "loss. With --sweep only with --plot, which marks it.")};

}  // namespace

const Command& buildCommand() {
    static const Command command{
        "build",
        QT_TRANSLATE_NOOP("querlin-calc",
                          "what to build instead: the coils that match the feed line"),
        QT_TRANSLATE_NOOP(
            "querlin-calc",
            "querlin-calc build --frequency MHZ --length L --element D --position PCT|best\n       "
            "  [--metric] [--feedline OHMS] [the model and coil options of check]\nquerlin-calc "
            "build --frequency MHZ --length L --element D --sweep [...]\nquerlin-calc build ... "
            "--sweep --plot FILE.png|FILE.svg [--position PCT]\nquerlin-calc build ... "
            "--touchstone FILE.s1p"),
        QT_TRANSLATE_NOOP(
            "querlin-calc",
            "Prints the design's texts, then what to build instead, found by nec2c with the coils' "
            "loss in the model: each loading coil and the matching coil across the feed point with "
            "which the feed line sees an SWR of 1, and the SWR, bandwidth and feed impedance with "
            "them, or in words why no coil across the feed point can match, and what to cut for "
            "each half: the wire to the coil, the coil and the wire to the tip. With a coil to "
            "wind it gives each coil's turns and Q; --position best builds every position and "
            "prints the one of highest efficiency, and --sweep every position, a row each, which "
            "--plot draws as a picture in place of printing it. --touchstone writes the build's "
            "feed point for an analyser's program, as check's does."),
        option::joined(
            {option::designOptions(kBuildPosition),
             {
                 {{"sweep", nullptr,
                   QT_TRANSLATE_NOOP(
                       "querlin-calc",
                       "Build every position, a row each, as CSV; without --position.")}},
                 {option::kFeedline},
             },
             option::modelOptions(),
             {{{"coil-q", "Q",
                QT_TRANSLATE_NOOP("querlin-calc",
                                  "The Q of every coil, the matching coil's too, for their loss; "
                                  "lossless unless given.")}},
              {{"coil-diameter", "D",
                QT_TRANSLATE_NOOP(
                    "querlin-calc",
                    "Wind the loading coils and the matching coil on this diameter, in inches from "
                    "wire centre to wire centre, by Nagaoka's coefficient, each with its own Q; "
                    "with --coil-length and --coil-wire, without --coil-q.")}},
              {option::kCoilLength},
              {option::kCoilWire},
              {{"touchstone", "FILE",
                QT_TRANSLATE_NOOP(
                    "querlin-calc",
                    "Also write the build's feed point, its loading coils as built with their Q "
                    "and the matching coil across it, from a tenth below to a tenth above the "
                    "design frequency, in 201 steps, to FILE, a Touchstone .s1p file on the feed "
                    "line; without --sweep.")}},
              {{"plot", "FILE",
                QT_TRANSLATE_NOOP(
                    "querlin-calc",
                    "With --sweep: draw the builds in FILE instead of printing them, against the "
                    "position: each loading coil by the formula and as built, the 2:1 bandwidth "
                    "and, with loss in the model, the efficiency, the best position ringed; a PNG "
                    "or SVG picture by the name's ending (.png or .svg).")}},
              {option::kJson},
              {option::kLocale}}}),
        buildWork};
    return command;
}

}  // namespace querlin::cli
