#include "measurement/one_port.h"

#include <QCoreApplication>

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <charconv>
#include <cmath>

namespace querlin::measurement {

namespace {

constexpr std::string_view kBlanks = " \t\r";
constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

std::string_view trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

QString megabytes(qint64 bytes) {
    return QString::number(static_cast<double>(bytes) / (1024 * 1024), 'f', 1);
}

}  // namespace

std::vector<Line> linesOf(std::string_view text) {
    std::vector<Line> lines;
    int number = 0;
    while (!text.empty()) {
        const std::size_t end = std::min(text.find('\n'), text.size());
        lines.push_back({++number, trimmed(text.substr(0, end))});
        text.remove_prefix(std::min(end + 1, text.size()));
    }
    return lines;
}

void faultOn(const Line& line, const QString& message) {
    // What the line holds is quoted in the message, which stays one line.
    QString said = message;
    for (QChar& c : said) {
        if (c.unicode() < 0x20) {
            c = u'?';
        }
    }
    throw MeasurementError(
        QCoreApplication::translate("Measurement", "line %1: %2").arg(line.number).arg(said));
}

std::optional<double> numberIn(std::string_view text) {
    if (text.starts_with('+')) {
        text.remove_prefix(1);
        if (text.starts_with('-')) {
            return std::nullopt;
        }
    }
    double value = 0;
    const char* end = text.data() + text.size();
    const auto read = std::from_chars(text.data(), end, value);
    if (read.ec != std::errc() || read.ptr != end || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

void addSample(OnePort& sweep, const Line& line, double frequency, std::complex<double> impedance) {
    if (!(frequency > 0) || !std::isfinite(frequency)) {
        faultOn(line, QCoreApplication::translate(
                          "Measurement",
                          "the frequency must be a positive number that a sweep can "
                          "hold, not %1 MHz.")
                          .arg(frequency, 0, 'g', 10));
    }
    if (!std::isfinite(impedance.real()) || !std::isfinite(impedance.imag())) {
        faultOn(line, QCoreApplication::translate(
                          "Measurement",
                          "these values give no finite impedance (an open circuit, "
                          "or numbers out of range)."));
    }
    if (!sweep.empty() && frequency <= sweep.back().frequency) {
        faultOn(line, QCoreApplication::translate(
                          "Measurement",
                          "the frequency %1 MHz does not rise above the %2 MHz before "
                          "it: a sweep's frequencies must rise.")
                          .arg(frequency, 0, 'g', 10)
                          .arg(sweep.back().frequency, 0, 'g', 10));
    }
    if (sweep.size() >= kMostFrequencies) {
        faultOn(line, QCoreApplication::translate(
                          "Measurement", "more than %1 frequencies, more than any analyser sweeps.")
                          .arg(kMostFrequencies));
    }
    sweep.push_back({frequency, impedance});
}

OnePort finished(OnePort sweep) {
    if (sweep.empty()) {
        throw MeasurementError(QCoreApplication::translate(
            "Measurement", "no sweep: the file holds no line of data."));
    }
    if (sweep.size() < 2) {
        throw MeasurementError(QCoreApplication::translate(
            "Measurement", "one frequency only: a sweep needs at least two to find anything."));
    }
    return sweep;
}

Format formatOf(const QString& name, std::string_view text) {
    const QString ending = QFileInfo(name).suffix().toLower();
    if (ending == u"s1p" || ending == u"csv") {
        return ending == u"csv" ? Format::Csv : Format::Touchstone;
    }
    if (text.starts_with(kUtf8Mark)) {
        text.remove_prefix(kUtf8Mark.size());
    }
    for (const Line& line : linesOf(text)) {
        if (!line.text.empty()) {
            return line.text.front() == '#' || line.text.front() == '!' ? Format::Touchstone
                                                                        : Format::Csv;
        }
    }
    return Format::Csv;
}

OnePort readOnePort(std::string_view text, Format format) {
    if (text.starts_with(kUtf8Mark)) {
        text.remove_prefix(kUtf8Mark.size());
    }
    if (const std::size_t zero = text.find('\0'); zero != std::string_view::npos) {
        const Line line{static_cast<int>(linesOf(text.substr(0, zero + 1)).size()), {}};
        faultOn(line, QCoreApplication::translate(
                          "Measurement",
                          "a zero byte: this is no text file (a file saved as UTF-16 "
                          "must be saved as plain text or UTF-8)."));
    }
    return format == Format::Touchstone ? readTouchstone(text) : readCsv(text);
}

OnePort readMeasurementFile(const QString& path) {
    const auto fail = [&](const QString& why) { return MeasurementError(path + u": "_qs + why); };
    const QFileInfo info(path);
    if (!info.exists()) {
        throw fail(QCoreApplication::translate("Measurement", "no such file."));
    }
    if (!info.isFile()) {
        throw fail(
            QCoreApplication::translate("Measurement", "not a file that holds a measurement."));
    }
    static const QRegularExpression manyPorts(QStringLiteral("^s([0-9]+)p$"),
                                              QRegularExpression::CaseInsensitiveOption);
    if (const auto ports = manyPorts.match(info.suffix());
        ports.hasMatch() && ports.captured(1) != u"1") {
        throw fail(QCoreApplication::translate(
                       "Measurement",
                       "a file of %1 ports; an antenna's feed point is measured as "
                       "one port, a .s1p file.")
                       .arg(ports.captured(1)));
    }
    const QString tooLarge =
        QCoreApplication::translate("Measurement",
                                    "larger than %1 MB, more than any analyser's sweep.")
            .arg(megabytes(kMostBytes));
    if (info.size() > kMostBytes) {
        throw fail(tooLarge);
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        throw fail(QCoreApplication::translate("Measurement", "cannot be read: %1.")
                       .arg(file.errorString()));
    }
    const QByteArray bytes = file.read(kMostBytes + 1);
    if (bytes.size() > kMostBytes) {
        throw fail(tooLarge);
    }
    if (bytes.trimmed().isEmpty()) {
        throw fail(QCoreApplication::translate("Measurement", "the file is empty."));
    }
    const std::string_view text(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    try {
        return readOnePort(text, formatOf(path, text));
    } catch (const MeasurementError& error) {
        throw fail(error.message);
    }
}

}  // namespace querlin::measurement
