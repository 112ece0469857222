#include "request.h"

#include <QCoreApplication>

#include <QFileInfo>
#include <QStringList>
#include <algorithm>

#include "dipole/coil_position.h"
#include "help_text.h"
#include "request_words.h"
#include "usage_error.h"

namespace querlin::cli {

namespace {

enum class Name { Dipole, Match, Coil, Nec, Check, Build, Measured };

// What a command needs and what more it takes.
struct CommandForm {
    const char* name;
    Name command;
    QStringList needs;
    QStringList takes;
};

const CommandForm kCommands[] = {
    {"dipole",
     Name::Dipole,
     {"frequency", "length", "element", "position"},
     QStringList{"metric", "sweep", "json", "locale", "check", "feedline", "plot"} + kModelOptions +
         kCoilOptions},
    {"match",
     Name::Match,
     {"frequency", "length", "element", "position", "feedline"},
     {"metric", "json", "locale"}},
    {"coil",
     Name::Coil,
     {"inductance", "diameter", "length", "wire"},
     {"json", "locale", "details", "frequency"}},
    {"nec",
     Name::Nec,
     {"frequency", "length", "element", "position"},
     QStringList{"metric", "json", "locale", "output"} + kModelOptions},
    {"check",
     Name::Check,
     {"frequency", "length", "element", "position"},
     QStringList{"metric", "json", "locale", "feedline", "touchstone"} + kModelOptions +
         kCoilOptions},
    {"build",
     Name::Build,
     {"frequency", "length", "element", "position"},
     QStringList{"metric", "json", "locale", "feedline", "sweep", "touchstone", "plot"} +
         kModelOptions + kCoilOptions},
    {"measured",
     Name::Measured,
     {},
     QStringList{"frequency", "length", "element", "position", "metric", "feedline",
                 "load-inductance", "json", "locale", "plot"} +
         kModelOptions + kCoilOptions},
};

// The position a build takes to mean the best one.
const QString kBestPosition = QStringLiteral("best");

// The form named by the one word that is not an option.
const CommandForm& formOf(const QCommandLineParser& parser) {
    const QStringList words = parser.positionalArguments();
    if (words.isEmpty()) {
        misused(QCoreApplication::translate("querlin-calc", "No command given."));
    }
    const auto* form = std::find_if(std::begin(kCommands), std::end(kCommands),
                                    [&](const CommandForm& c) { return words.front() == c.name; });
    if (form == std::end(kCommands)) {
        misused(QCoreApplication::translate("querlin-calc", "Unknown command '%1'.")
                    .arg(words.front()));
    }
    // measured reads the file named after it.
    const qsizetype files = form->command == Name::Measured ? 1 : 0;
    if (words.size() > 1 + files) {
        misused(QCoreApplication::translate("querlin-calc", "Unexpected argument '%1'.")
                    .arg(words.at(1 + files)));
    }
    if (words.size() < 1 + files) {
        misused(QCoreApplication::translate(
            "querlin-calc", "measured needs the file of the sweep: measured FILE."));
    }
    return *form;
}

// Every option needed is given, and none that the command does not take.
void requireOptions(const Words& words, const CommandForm& form) {
    const bool sweep = words.isSet("sweep");
    const bool plot = sweep && words.isSet("plot");
    const auto needed = [&](const QString& name) {
        return form.needs.contains(name) && !(sweep && name == u"position");
    };
    // A plotted sweep takes the position to mark.
    const auto taken = [&](const QString& name) {
        return form.takes.contains(name) || (plot && name == u"position");
    };
    for (const QString& name : optionNames()) {
        if (words.isSet(name) && !needed(name) && !taken(name)) {
            misused(sweep && name == u"position"
                        ? QCoreApplication::translate(
                              "querlin-calc", "--sweep takes every position: leave out --position.")
                        : QCoreApplication::translate("querlin-calc", "%1 takes no --%2.")
                              .arg(QLatin1String(form.name), name));
        }
    }
    for (const QString& name : form.needs) {
        if (needed(name) && !words.isSet(name)) {
            misused(QCoreApplication::translate("querlin-calc", "%1 needs --%2.")
                        .arg(QLatin1String(form.name), name));
        }
    }
}

// dipole with --sweep, or its options refused without it.
Request dipoleRequest(const Words& words, const Antenna& antenna, bool json) {
    const bool sweep = words.isSet("sweep");
    const bool check = words.isSet("check");
    if (check && !sweep) {
        misused(QCoreApplication::translate(
            "querlin-calc", "--check goes with --sweep; for one position, use check."));
    }
    for (const QString& name : kModelOptions + kCoilOptions + QStringList{u"feedline"_qs}) {
        if (!check && words.isSet(name)) {
            misused(QCoreApplication::translate("querlin-calc",
                                                "dipole takes --%1 only with --sweep --check.")
                        .arg(name));
        }
    }
    const Drawing drawn = drawing(words, json);
    if (!sweep) {
        return DipoleRequest{antenna};
    }
    SweepRequest request{antenna, {}, drawn.file, drawn.worked};
    if (check) {
        request.check = checkWords(words);
    }
    return request;
}

// build at a position, at every one, or at the best, which needs the coils'
// loss to tell the positions apart.
BuildRequest buildRequest(const Words& words, const Antenna& antenna, bool json) {
    const Drawing drawn = drawing(words, json);
    BuildRequest request{
        antenna,    checkWords(words), BuildRequest::Where::Given, touchstoneFile(words),
        drawn.file, drawn.worked};
    if (words.isSet("sweep")) {
        if (!request.touchstone.isEmpty()) {
            misused(QCoreApplication::translate(
                "querlin-calc", "--touchstone writes one build's feed point: leave out --sweep."));
        }
        request.where = BuildRequest::Where::Sweep;
    } else if (words.value("position") == kBestPosition) {
        if (request.check.model.coilQ.isEmpty() && !request.check.loadingCoil) {
            misused(
                QCoreApplication::translate("querlin-calc",
                                            "--position best needs the coils' loss: --coil-q, or "
                                            "--coil-diameter, --coil-length and --coil-wire."));
        }
        request.where = BuildRequest::Where::Best;
    }
    return request;
}

// measured: the file, and the design to compare with given whole or not at
// all; the model's options only with the design.
MeasuredRequest measuredRequest(const Words& words, const QString& file) {
    MeasuredRequest request{file,
                            words.value("feedline"),
                            {},
                            {},
                            modelWords(words),
                            words.value("load-inductance"),
                            plotFile(words),
                            loadingCoilOf(words)};
    if (request.feedline.isEmpty()) {
        request.feedline = check::kDefaultFeedline;
    }
    const QStringList design{u"length"_qs, u"element"_qs, u"position"_qs};
    const auto given = std::count_if(design.begin(), design.end(),
                                     [&](const QString& name) { return words.isSet(name); });
    if (given > 0 && (given < design.size() || !words.isSet("frequency"))) {
        misused(QCoreApplication::translate(
            "querlin-calc",
            "measured compares with the design given all of --frequency, "
            "--length, --element and --position."));
    }
    if (words.isSet("frequency")) {
        request.frequency = words.value("frequency");
    }
    if (given == 0) {
        for (const QString& name :
             kModelOptions + kCoilOptions + QStringList{u"load-inductance"_qs, u"metric"_qs}) {
            if (words.isSet(name)) {
                misused(QCoreApplication::translate(
                            "querlin-calc",
                            "measured takes --%1 only with the design: --frequency, "
                            "--length, --element and --position.")
                            .arg(name));
            }
        }
        return request;
    }
    request.antenna =
        Antenna{words.value("frequency"), words.value("length"), words.value("element"),
                position(words.value("position")), words.isSet("metric")};
    return request;
}

}  // namespace

QStringList commandNames() {
    QStringList names;
    for (const CommandForm& form : kCommands) {
        names += QString::fromLatin1(form.name);
    }
    return names;
}

QStringList commandOptions(const QString& command) {
    const auto* form = std::find_if(std::begin(kCommands), std::end(kCommands),
                                    [&](const CommandForm& c) { return command == c.name; });
    return form == std::end(kCommands) ? QStringList() : form->needs + form->takes;
}

Command commandOf(const QCommandLineParser& parser) {
    const CommandForm& form = formOf(parser);
    const Words words(parser);
    requireOptions(words, form);
    Command command{DipoleRequest{}, words.isSet("json"), words.isSet("locale")};
    if (form.command == Name::Coil) {
        CoilRequest coil{{words.value("inductance"), words.value("diameter"), words.value("length"),
                          words.value("wire")},
                         words.isSet("details"),
                         {}};
        if (words.isSet("frequency")) {
            if (!coil.details) {
                misused(QCoreApplication::translate("querlin-calc",
                                                    "coil takes --frequency with --details only."));
            }
            coil.frequency = words.value("frequency");
        }
        command.request = coil;
        return command;
    }
    if (form.command == Name::Measured) {
        command.request = measuredRequest(words, parser.positionalArguments().at(1));
        return command;
    }
    Antenna antenna{words.value("frequency"), words.value("length"), words.value("element"),
                    kSliderMinimum, words.isSet("metric")};
    const bool best = form.command == Name::Build && words.value("position") == kBestPosition;
    if (!words.isSet("sweep") && !best) {
        antenna.slider = position(words.value("position"));
    }
    switch (form.command) {
        case Name::Dipole:
            command.request = dipoleRequest(words, antenna, command.json);
            break;
        case Name::Match:
            command.request = MatchRequest{antenna, words.value("feedline")};
            break;
        case Name::Nec:
            command.request = NecRequest{antenna, modelWords(words), words.value("output")};
            break;
        case Name::Check:
            command.request = CheckRequest{antenna, checkWords(words), touchstoneFile(words)};
            break;
        case Name::Build:
            command.request = buildRequest(words, antenna, command.json);
            break;
        case Name::Coil:
        case Name::Measured:
            break;
    }
    return command;
}

}  // namespace querlin::cli
