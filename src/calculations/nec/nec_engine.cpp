#include "nec/nec_engine.h"

#include <QCoreApplication>

#include <QDeadlineTimer>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <algorithm>
#include <cmath>

#include "nec/nec_model.h"

namespace querlin::nec {

namespace {

// Long enough for the largest model over ground; a hung engine ends then.
constexpr int kLongestRunMs = 10 * 60 * 1000;
// How often a running engine is asked whether to stop: quick enough that a
// person's Cancel seems immediate.
constexpr int kCancelCheckMs = 50;

// How much more than the input power the far field's coarse average may
// seem to radiate before its figure is taken for a fault.
constexpr double kFarFieldSlack = 0.05;
// The power budget's radiated power is the input less the losses, each
// printed to five digits: where the antenna radiates almost nothing, their
// difference may come out a little below zero.
constexpr double kBudgetSlack = 1e-3;

// Enough of the output to hold the few lines of a table read.
constexpr qsizetype kTableChars = 2000;

const QString kInput = QStringLiteral("input.nec");
const QString kOutput = QStringLiteral("output.out");

double numberIn(QStringView text) {
    bool ok = false;
    const double value = text.toDouble(&ok);
    if (!ok || !std::isfinite(value)) {
        throw NecError{
            QCoreApplication::translate("Antenna", "nec2c wrote '%1' where a number belongs.")
                .arg(text)};
    }
    return value;
}

// The number after a label of the power budget, as in "INPUT POWER   =  7.8867E-07 Watts".
double budgetEntry(const QString& output, qsizetype from, const QString& label) {
    static const QRegularExpression anyNumber(QStringLiteral("=\\s*(\\S+)"));
    const qsizetype at = output.indexOf(label, from);
    if (at < 0) {
        throw NecError{
            QCoreApplication::translate("Antenna", "nec2c's output holds no %1.").arg(label)};
    }
    const QRegularExpressionMatch match = anyNumber.match(output, at);
    if (!match.hasMatch()) {
        throw NecError{
            QCoreApplication::translate("Antenna", "nec2c's output holds no value of %1.")
                .arg(label)};
    }
    return numberIn(match.captured(1));
}

// The share of the input power radiated into the solid angle over which the
// engine averaged the power gain, from its line "AVERAGE POWER GAIN:
// 1.3297E+00 - SOLID ANGLE USED IN AVERAGING: (+2.0000)*PI STERADIANS" between
// from and to: the average times the solid angle over the 4 pi of a sphere.
// NaN when there is no such line there.
double radiatedOver(const QString& output, qsizetype from, qsizetype to) {
    static const QString kAverage = QStringLiteral("AVERAGE POWER GAIN:");
    static const QRegularExpression kFigures(QStringLiteral(
        "\\s*(\\S+)\\s*-\\s*SOLID ANGLE USED IN AVERAGING:\\s*\\(\\s*([^)\\s]+)\\s*\\)"));
    const qsizetype at = output.indexOf(kAverage, from);
    if (at < 0 || (to >= 0 && at > to)) {
        return std::numeric_limits<double>::quiet_NaN();
    }
    const QRegularExpressionMatch match =
        kFigures.match(output, at + kAverage.size(), QRegularExpression::NormalMatch,
                       QRegularExpression::AnchorAtOffsetMatchOption);
    if (!match.hasMatch()) {
        throw NecError{QCoreApplication::translate(
            "Antenna", "nec2c's output holds an average gain without its solid angle.")};
    }
    return numberIn(match.captured(1)) * numberIn(match.captured(2)) / 4;
}

// The currents table between from and to, if any: after its headings a line
// a segment, as in "42 1 0.0000 0.0000 0.0000 0.00356 5.1982E-03 1.5929E-02
// 1.6756E-02 71.927" (segment, tag, centre, length, current real and
// imaginary, magnitude and phase), up to the blank line that ends it.
std::vector<SegmentCurrent> printedCurrents(const QString& output, qsizetype from, qsizetype to) {
    static const QString kCurrents = QStringLiteral("CURRENTS AND LOCATION");
    const qsizetype at = output.indexOf(kCurrents, from);
    if (at < 0 || (to >= 0 && at > to)) {
        return {};
    }
    // The title, the units, a blank line and two lines of column headings.
    constexpr int kHeadingLines = 5;
    std::vector<SegmentCurrent> currents;
    int line = 0;
    for (const QStringView text : QStringView(output).sliced(at).tokenize(u'\n')) {
        if (line++ < kHeadingLines) {
            continue;
        }
        if (text.trimmed().isEmpty()) {
            break;
        }
        const QList<QStringView> fields = text.split(u' ', Qt::SkipEmptyParts);
        bool ok = fields.size() >= 10;
        const int tag = ok ? fields.at(1).toInt(&ok) : 0;
        if (!ok) {
            throw NecError{
                QCoreApplication::translate(
                    "Antenna", "nec2c's currents table holds '%1' where a segment's line belongs.")
                    .arg(text.trimmed())};
        }
        currents.push_back({tag, {numberIn(fields.at(6)), numberIn(fields.at(7))}});
    }
    if (currents.empty()) {
        throw NecError{QCoreApplication::translate(
            "Antenna", "nec2c's output holds a currents table without a current.")};
    }
    return currents;
}

// A passive antenna radiates at most what it takes in and none less than
// nothing; the engine's figures err by a little, and the share they give is
// taken as it is within that slack, and as a fault beyond it.
bool isShare(double share, double slack) {
    return share >= -slack && share <= 1 + slack;
}

}  // namespace

NecEngine::NecEngine(QString program, Cancelled cancelled)
    : program_(std::move(program)), cancelled_(std::move(cancelled)) {}

void NecEngine::stopIfCancelled() const {
    if (cancelled_ && cancelled_()) {
        throw NecCancelled{};
    }
}

std::vector<FeedPoint> feedPointsIn(const QString& output) {
    static const QString kInputParameters = QStringLiteral("ANTENNA INPUT PARAMETERS");
    std::vector<FeedPoint> points;
    for (qsizetype at = output.indexOf(kInputParameters); at >= 0;
         at = output.indexOf(kInputParameters, at + 1)) {
        // Two lines of column headings, then the source's line: tag, segment,
        // voltage, current, impedance, admittance (real and imaginary) and power.
        const QStringList lines = output.mid(at, kTableChars).split(u'\n');
        const QStringList fields =
            lines.size() > 3 ? lines.at(3).split(u' ', Qt::SkipEmptyParts) : QStringList();
        if (fields.size() < 8) {
            throw NecError{QCoreApplication::translate(
                "Antenna", "nec2c's output holds no feed-point impedance.")};
        }
        const std::complex<double> current(numberIn(fields.at(4)), numberIn(fields.at(5)));
        const std::complex<double> impedance(numberIn(fields.at(6)), numberIn(fields.at(7)));
        const double input = budgetEntry(output, at, QStringLiteral("INPUT POWER"));
        const double radiated = budgetEntry(output, at, QStringLiteral("RADIATED POWER"));
        const double efficiency = input > 0 ? radiated / input : 0;
        if (!isShare(efficiency, kBudgetSlack)) {
            throw NecError{
                QCoreApplication::translate(
                    "Antenna",
                    "nec2c's power budget does not add up: %1 W radiated of %2 W put in.")
                    .arg(radiated)
                    .arg(input)};
        }
        const qsizetype next = output.indexOf(kInputParameters, at + 1);
        const double over = radiatedOver(output, at, next);
        if (!std::isnan(over) && !isShare(over, kFarFieldSlack)) {
            throw NecError{
                QCoreApplication::translate("Antenna",
                                            "nec2c's average gain gives %1 of the input power "
                                            "radiated, not a share of it.")
                    .arg(over)};
        }
        points.push_back({impedance, std::clamp(efficiency, 0.0, 1.0),
                          std::isnan(over) ? over : std::clamp(over, 0.0, 1.0), current,
                          printedCurrents(output, at, next)});
    }
    return points;
}

std::vector<FeedPoint> NecEngine::run(const QString& deck, int expectedPoints) const {
    stopIfCancelled();
    QTemporaryDir folder;
    if (!folder.isValid()) {
        throw NecError{QCoreApplication::translate("Antenna", "No temporary folder for nec2c: %1")
                           .arg(folder.errorString())};
    }
    QFile input(folder.filePath(kInput));
    if (!input.open(QIODevice::WriteOnly) || input.write(deck.toUtf8()) < 0 || !input.flush()) {
        throw NecError{
            QCoreApplication::translate("Antenna", "Could not write the deck for nec2c: %1")
                .arg(input.errorString())};
    }
    input.close();

    QProcess process;
    process.setWorkingDirectory(folder.path());
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program_, {QStringLiteral("-i"), kInput, QStringLiteral("-o"), kOutput});
    if (!process.waitForStarted(-1)) {
        throw NecError{QCoreApplication::translate(
                           "Antenna",
                           "The NEC-2 engine '%1' could not be started (%2): install the Debian "
                           "package nec2c, or name the program in QUERLIN_NEC2C.")
                           .arg(program_, process.errorString())};
    }
    const QDeadlineTimer deadline(kLongestRunMs);
    while (process.state() != QProcess::NotRunning && !process.waitForFinished(kCancelCheckMs)) {
        const bool cancelled = cancelled_ && cancelled_();
        if (cancelled || deadline.hasExpired()) {
            process.kill();
            process.waitForFinished(-1);
            if (cancelled) {
                throw NecCancelled{};
            }
            throw NecError{
                QCoreApplication::translate("Antenna", "The NEC-2 engine '%1' did not finish.")
                    .arg(program_)};
        }
    }
    const QString said = QString::fromLocal8Bit(process.readAll()).trimmed();
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        throw NecError{QCoreApplication::translate(
                           "Antenna", "The NEC-2 engine '%1' failed (exit status %2)%3")
                           .arg(program_)
                           .arg(process.exitCode())
                           .arg(said.isEmpty() ? u"."_qs : u": "_qs + said.section(u'\n', -1))};
    }
    QFile output(folder.filePath(kOutput));
    if (!output.open(QIODevice::ReadOnly)) {
        throw NecError{
            QCoreApplication::translate("Antenna", "The NEC-2 engine '%1' wrote no output.")
                .arg(program_)};
    }
    const std::vector<FeedPoint> points = feedPointsIn(QString::fromLocal8Bit(output.readAll()));
    if (static_cast<int>(points.size()) != expectedPoints) {
        throw NecError{
            QCoreApplication::translate("Antenna",
                                        "The output of the NEC-2 engine '%1' holds %2 feed-point "
                                        "impedances where %3 were asked for.")
                .arg(program_)
                .arg(points.size())
                .arg(expectedPoints)};
    }
    return points;
}

}  // namespace querlin::nec
