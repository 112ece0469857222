#include "request_words.h"

#include <QCoreApplication>

#include <QFileInfo>
#include <algorithm>

#include "dipole/coil_position.h"
#include "usage_error.h"

namespace querlin::cli {

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

ModelWords modelWords(const Words& words) {
    for (const QString& name : kModelOptions + kCoilOptions + QStringList{u"output"_qs}) {
        if (words.isSet(name) && words.value(name.toLatin1().constData()).isEmpty()) {
            misused(QCoreApplication::translate("querlin-calc", "--%1 needs a value.").arg(name));
        }
    }
    const ModelWords model{words.value("segments"), words.value("height"), words.value("coil-q"),
                           words.isSet("wire")};
    if (model.copper && words.value("wire") != u"copper") {
        misused(QCoreApplication::translate("querlin-calc", "--wire takes copper, not '%1'.")
                    .arg(words.value("wire")));
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
        check.feedline = antenna::kDefaultFeedline;
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
