#include "request.h"

#include <QFileInfo>
#include <QStringList>
#include <algorithm>

#include "dipole/coil_position.h"
#include "help_text.h"
#include "usage_error.h"

namespace querlin::cli {

namespace {

enum class Name { Dipole, Match, Coil, Nec, Check, Build, Measured };

// The options of the NEC-2 model, which nec, check and dipole --sweep --check take.
const QStringList kModelOptions{"segments", "height", "wire", "coil-q"};
// The loading coil to wind, which check and dipole --sweep --check take.
const QStringList kCoilOptions{"coil-diameter", "coil-length", "coil-wire"};

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

// The words as given, for the commands to read.
class Words {
  public:
    explicit Words(const QCommandLineParser& parser) : parser_(parser) {}

    bool isSet(const QString& name) const { return parser_.isSet(name); }
    QString value(const char* name) const { return parser_.value(QString::fromLatin1(name)); }
    bool isSet(const char* name) const { return isSet(QString::fromLatin1(name)); }

  private:
    const QCommandLineParser& parser_;
};

int position(const QString& text) {
    bool whole = false;
    const int percentage = text.toInt(&whole);
    if (!whole || percentage < kFirstPosition || percentage > kLastPosition) {
        misused(QStringLiteral("--position takes a whole percentage from %1 to %2, not '%3'.")
                    .arg(kFirstPosition)
                    .arg(kLastPosition)
                    .arg(text));
    }
    return sliderValueFor(percentage);
}

// The form named by the one word that is not an option.
const CommandForm& formOf(const QCommandLineParser& parser) {
    const QStringList words = parser.positionalArguments();
    if (words.isEmpty()) {
        misused(QStringLiteral("No command given."));
    }
    const auto* form = std::find_if(std::begin(kCommands), std::end(kCommands),
                                    [&](const CommandForm& c) { return words.front() == c.name; });
    if (form == std::end(kCommands)) {
        misused(QStringLiteral("Unknown command '%1'.").arg(words.front()));
    }
    // measured reads the file named after it.
    const qsizetype files = form->command == Name::Measured ? 1 : 0;
    if (words.size() > 1 + files) {
        misused(QStringLiteral("Unexpected argument '%1'.").arg(words.at(1 + files)));
    }
    if (words.size() < 1 + files) {
        misused(QStringLiteral("measured needs the file of the sweep: measured FILE."));
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
                        ? QStringLiteral("--sweep takes every position: leave out --position.")
                        : QStringLiteral("%1 takes no --%2.").arg(QLatin1String(form.name), name));
        }
    }
    for (const QString& name : form.needs) {
        if (needed(name) && !words.isSet(name)) {
            misused(QStringLiteral("%1 needs --%2.").arg(QLatin1String(form.name), name));
        }
    }
}

// The model's options: they go with nec, check and --sweep --check.
ModelWords modelWords(const Words& words) {
    for (const QString& name : kModelOptions + kCoilOptions + QStringList{u"output"_qs}) {
        if (words.isSet(name) && words.value(name.toLatin1().constData()).isEmpty()) {
            misused(QStringLiteral("--%1 needs a value.").arg(name));
        }
    }
    const ModelWords model{words.value("segments"), words.value("height"), words.value("coil-q"),
                           words.isSet("wire")};
    if (model.copper && words.value("wire") != u"copper") {
        misused(QStringLiteral("--wire takes copper, not '%1'.").arg(words.value("wire")));
    }
    return model;
}

// The former and wire of the loading coil, given all three or none.
std::optional<LoadingCoil> loadingCoilOf(const Words& words) {
    const auto coilSize = std::count_if(kCoilOptions.begin(), kCoilOptions.end(),
                                        [&](const QString& name) { return words.isSet(name); });
    if (coilSize == 0) {
        return std::nullopt;
    }
    if (coilSize < kCoilOptions.size()) {
        misused(QStringLiteral("--coil-diameter, --coil-length and --coil-wire go together."));
    }
    return LoadingCoil{words.value("coil-diameter"), words.value("coil-length"),
                       words.value("coil-wire")};
}

// The check's words: the model's, the feed line (50 ohms unless given) and
// the loading coil to wind.
CheckWords checkWords(const Words& words) {
    CheckWords check{modelWords(words), words.value("feedline"), loadingCoilOf(words)};
    if (check.loadingCoil && !check.model.coilQ.isEmpty()) {
        misused(
            QStringLiteral("--coil-q is the Q of a coil not wound here: give it or "
                           "--coil-diameter, --coil-length and --coil-wire, not both."));
    }
    if (check.feedline.isEmpty()) {
        check.feedline = antenna::kDefaultFeedline;
    }
    return check;
}

// The picture of a sweep: its file, PNG or SVG by the name's ending.
QString plotFile(const Words& words) {
    if (!words.isSet("plot")) {
        return {};
    }
    const QString file = words.value("plot");
    const QString ending = QFileInfo(file).suffix().toLower();
    if (ending != u"png" && ending != u"svg") {
        misused(QStringLiteral("--plot writes a .png or .svg file, not '%1'.").arg(file));
    }
    return file;
}

// The model's sweep for an analyser: a .s1p file, as analysers take it.
QString touchstoneFile(const Words& words) {
    const QString file = words.value("touchstone");
    if (words.isSet("touchstone") && QFileInfo(file).suffix().toLower() != u"s1p") {
        misused(QStringLiteral("--touchstone writes a .s1p file, not '%1'.").arg(file));
    }
    return file;
}

// The picture of a sweep and the position it marks: --plot only with
// --sweep, and in place of the table, which --json would print.
struct Drawing {
    QString file;
    std::optional<int> worked;
};
Drawing drawing(const Words& words, bool json) {
    if (!words.isSet("plot")) {
        return {};
    }
    if (!words.isSet("sweep")) {
        misused(QStringLiteral("--plot draws a --sweep."));
    }
    if (json) {
        misused(QStringLiteral("--plot draws the table instead of printing it: leave out --json."));
    }
    Drawing drawn{plotFile(words), {}};
    if (words.isSet("position")) {
        drawn.worked = coilPercentage(position(words.value("position")));
    }
    return drawn;
}

// dipole with --sweep, or its options refused without it.
Request dipoleRequest(const Words& words, const Antenna& antenna, bool json) {
    const bool sweep = words.isSet("sweep");
    const bool check = words.isSet("check");
    if (check && !sweep) {
        misused(QStringLiteral("--check goes with --sweep; for one position, use check."));
    }
    for (const QString& name : kModelOptions + kCoilOptions + QStringList{u"feedline"_qs}) {
        if (!check && words.isSet(name)) {
            misused(QStringLiteral("dipole takes --%1 only with --sweep --check.").arg(name));
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
            misused(
                QStringLiteral("--touchstone writes one build's feed point: leave out --sweep."));
        }
        request.where = BuildRequest::Where::Sweep;
    } else if (words.value("position") == kBestPosition) {
        if (request.check.model.coilQ.isEmpty() && !request.check.loadingCoil) {
            misused(
                QStringLiteral("--position best needs the coils' loss: --coil-q, or "
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
        request.feedline = antenna::kDefaultFeedline;
    }
    const QStringList design{u"length"_qs, u"element"_qs, u"position"_qs};
    const auto given = std::count_if(design.begin(), design.end(),
                                     [&](const QString& name) { return words.isSet(name); });
    if (given > 0 && (given < design.size() || !words.isSet("frequency"))) {
        misused(
            QStringLiteral("measured compares with the design given all of --frequency, "
                           "--length, --element and --position."));
    }
    if (words.isSet("frequency")) {
        request.frequency = words.value("frequency");
    }
    if (given == 0) {
        for (const QString& name :
             kModelOptions + kCoilOptions + QStringList{u"load-inductance"_qs, u"metric"_qs}) {
            if (words.isSet(name)) {
                misused(QStringLiteral("measured takes --%1 only with the design: --frequency, "
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
                misused(QStringLiteral("coil takes --frequency with --details only."));
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
