#include "request_words.h"

#include <QCoreApplication>

#include <QFileInfo>
#include <algorithm>
#include <vector>

#include "coil/coil_window_fields.h"
#include "dipole/coil_position.h"
#include "dipole/main_window_fields.h"
#include "help_text.h"
#include "usage_error.h"

namespace querlin::cli {

namespace {

// How many letters to insert, delete, replace or swap with their neighbour
// to make one word of the other.
qsizetype editDistance(const QString& a, const QString& b) {
    std::vector<std::vector<qsizetype>> d(a.size() + 1, std::vector<qsizetype>(b.size() + 1));
    for (qsizetype i = 0; i <= a.size(); ++i) {
        d[i][0] = i;
    }
    for (qsizetype j = 0; j <= b.size(); ++j) {
        d[0][j] = j;
    }
    for (qsizetype i = 1; i <= a.size(); ++i) {
        for (qsizetype j = 1; j <= b.size(); ++j) {
            const qsizetype replaced = d[i - 1][j - 1] + (a[i - 1] == b[j - 1] ? 0 : 1);
            d[i][j] = std::min({d[i - 1][j] + 1, d[i][j - 1] + 1, replaced});
            if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1]) {
                d[i][j] = std::min(d[i][j], d[i - 2][j - 2] + 1);
            }
        }
    }
    return d[a.size()][b.size()];
}

// A slip of one or two letters, in a word long enough that it still says
// which option was meant.
constexpr qsizetype kNearestSlips = 2;

// The option nearest the name typed, or none near enough.
QString nearestOption(const QString& typed, const QStringList& options) {
    QString nearest;
    qsizetype best = std::min(kNearestSlips, (typed.size() - 1) / 2);
    for (const QString& option : options) {
        if (const qsizetype distance = editDistance(typed, option); distance <= best) {
            if (nearest.isEmpty() || distance < best) {
                nearest = option;
                best = distance;
            }
        }
    }
    return nearest;
}

// The options that fill a window's field, by the field's caption: coil's own
// for the coil window's fields, the other commands' for the loading coil
// they wind.
struct FieldOption {
    const Field& field;
    const char* coil;
    const char* other;
};
const FieldOption kFieldOptions[] = {
    {mainfields::frequency, nullptr, "frequency"},
    {mainfields::totalLength, nullptr, "length"},
    {mainfields::elementSize, nullptr, "element"},
    {mainfields::feedlineImpedance, nullptr, "feedline"},
    {coilfields::inductance, "inductance", nullptr},
    {coilfields::coilDiameter, "diameter", "coil-diameter"},
    {coilfields::coilLength, "length", "coil-length"},
    {coilfields::wireDiameter, "wire", "coil-wire"},
};

}  // namespace

QString parseErrorText(const QCommandLineParser& parser) {
    const QString error = parser.errorText();
    const QStringList unknown = parser.unknownOptionNames();
    if (unknown.isEmpty()) {
        return error;
    }
    const QStringList words = parser.positionalArguments();
    QStringList options = words.isEmpty() ? QStringList() : commandOptions(words.front());
    if (options.isEmpty()) {
        options = optionNames();
    }
    const QString nearest = nearestOption(unknown.front(), options);
    if (nearest.isEmpty()) {
        return error;
    }
    return error + u' ' +
           QCoreApplication::translate("querlin-calc", "Did you mean --%1?").arg(nearest);
}

QString fieldFaultText(const HandlerFault& fault, const QCommandLineParser& parser,
                       const ParsedCommand& command) {
    const FaultCause& cause = fault.cause();
    if (cause.step != 0) {
        return {};
    }
    const bool coil = command.command->coilWindowFields;
    const auto* row =
        std::find_if(std::begin(kFieldOptions), std::end(kFieldOptions), [&](const FieldOption& f) {
            return cause.where == QCoreApplication::translate(f.field.context, f.field.caption);
        });
    const char* name = row == std::end(kFieldOptions) ? nullptr : coil ? row->coil : row->other;
    if (name == nullptr || !parser.isSet(QLatin1String(name))) {
        return {};
    }
    const QString text = parser.value(QLatin1String(name));
    switch (cause.kind) {
        case FaultKind::TypeMismatch:
            return (command.locale
                        ? QCoreApplication::translate(
                              "querlin-calc",
                              "--%1: \"%2\" is not a number in the user's locale, in which "
                              "--locale reads it.")
                        : QCoreApplication::translate(
                              "querlin-calc",
                              "--%1: \"%2\" is not a number (a decimal point, or --locale for "
                              "the user's decimal comma)."))
                .arg(QLatin1String(name), text);
        case FaultKind::Overflow:
            return QCoreApplication::translate("querlin-calc", "--%1: \"%2\" is too large.")
                .arg(QLatin1String(name), text);
        default:
            return {};
    }
}

int position(const QString& text) {
    bool whole = false;
    const int percentage = text.toInt(&whole);
    if (!whole || percentage < kFirstPosition || percentage > kLastPosition) {
        misused(QCoreApplication::translate(
                    "querlin-calc", "--position takes a whole percentage from %1 to %2, not '%3'.")
                    .arg(kFirstPosition)
                    .arg(kLastPosition)
                    .arg(text));
    }
    return sliderValueFor(percentage);
}

Antenna antennaOf(const Words& words, bool atPosition) {
    Antenna antenna{words.value("frequency"), words.value("length"), words.value("element"),
                    kSliderMinimum, words.isSet("metric")};
    if (atPosition) {
        antenna.slider = position(words.value("position"));
    }
    return antenna;
}

ModelWords modelWords(const Words& words) {
    for (const QString& name : kModelOptions + kCoilOptions + QStringList{u"output"_qs}) {
        if (words.isSet(name) && words.value(name.toLatin1().constData()).isEmpty()) {
            misused(QCoreApplication::translate("querlin-calc", "--%1 needs a value.").arg(name));
        }
    }
    const ModelWords model{words.value("segments"),
                           words.value("height"),
                           words.value("ground"),
                           words.value("ground-permittivity"),
                           words.value("ground-conductivity"),
                           words.value("apex-angle"),
                           words.value("insulation"),
                           words.value("insulation-permittivity"),
                           words.value("coil-q"),
                           words.isSet("conductor") || words.isSet("wire")};
    for (const char* name : {"conductor", "wire"}) {
        if (words.isSet(name) && words.value(name) != u"copper") {
            misused(QCoreApplication::translate("querlin-calc", "--%1 takes copper, not '%2'.")
                        .arg(QLatin1String(name), words.value(name)));
        }
    }
    return model;
}

std::optional<LoadingCoil> loadingCoilOf(const Words& words) {
    const auto coilSize = std::count_if(kCoilOptions.begin(), kCoilOptions.end(),
                                        [&](const QString& name) { return words.isSet(name); });
    if (coilSize == 0) {
        return std::nullopt;
    }
    if (coilSize < kCoilOptions.size()) {
        misused(QCoreApplication::translate(
            "querlin-calc", "--coil-diameter, --coil-length and --coil-wire go together."));
    }
    return LoadingCoil{words.value("coil-diameter"), words.value("coil-length"),
                       words.value("coil-wire")};
}

CheckWords checkWords(const Words& words) {
    CheckWords check{modelWords(words), words.value("feedline"), loadingCoilOf(words)};
    if (check.loadingCoil && !check.model.coilQ.isEmpty()) {
        misused(QCoreApplication::translate(
            "querlin-calc",
            "--coil-q is the Q of a coil not wound here: give it or "
            "--coil-diameter, --coil-length and --coil-wire, not both."));
    }
    if (check.feedline.isEmpty()) {
        check.feedline = check::kDefaultFeedline;
    }
    return check;
}

QString plotFile(const Words& words) {
    if (!words.isSet("plot")) {
        return {};
    }
    const QString file = words.value("plot");
    const QString ending = QFileInfo(file).suffix().toLower();
    if (ending != u"png" && ending != u"svg") {
        misused(QCoreApplication::translate("querlin-calc",
                                            "--plot writes a .png or .svg file, not '%1'.")
                    .arg(file));
    }
    return file;
}

QString touchstoneFile(const Words& words) {
    const QString file = words.value("touchstone");
    if (words.isSet("touchstone") && QFileInfo(file).suffix().toLower() != u"s1p") {
        misused(QCoreApplication::translate("querlin-calc",
                                            "--touchstone writes a .s1p file, not '%1'.")
                    .arg(file));
    }
    return file;
}

Drawing drawing(const Words& words, bool json) {
    if (!words.isSet("plot")) {
        return {};
    }
    if (!words.isSet("sweep")) {
        misused(QCoreApplication::translate("querlin-calc", "--plot draws a --sweep."));
    }
    if (json) {
        misused(QCoreApplication::translate(
            "querlin-calc", "--plot draws the table instead of printing it: leave out --json."));
    }
    Drawing drawn{plotFile(words), {}};
    if (words.isSet("position")) {
        drawn.worked = coilPercentage(position(words.value("position")));
    }
    return drawn;
}

}  // namespace querlin::cli
