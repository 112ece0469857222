#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <complex>
#include <optional>
#include <string_view>
#include <vector>

#include "check/feed_line.h"
#include "fault.h"

namespace querlin::measurement {

// No analyser's sweep comes near these: 100,000 frequencies take about 6 MB
// as Touchstone. A larger file is refused before it is read, so that a wrong
// file given by mistake (a video, a disc image) costs nothing.
inline constexpr qint64 kMostBytes = 16 * 1024 * 1024;
inline constexpr int kMostFrequencies = 100'000;

// The reference resistance of a CSV's reflection coefficient: the analysers'.
inline constexpr double kCsvReference = 50;

// The feed point measured at one frequency.
using Sample = check::Sample;

// A one-port sweep: at least two samples, the frequencies rising, every
// number finite.
using OnePort = std::vector<Sample>;

// Why a measurement cannot be read, in one line that names the line of the
// file at fault. It ends the command as a calculation's fault does.
struct MeasurementError : TypedFault<MeasurementError> {
    explicit MeasurementError(QString message)
        : TypedFault(FaultStatus::Calculation, std::move(message)) {}
};

enum class Format { Touchstone, Csv };

// The format of a file, from its name and text: a name ending in .s1p is
// Touchstone, one ending in .csv is CSV; otherwise a text whose first line
// that is not blank begins with # or ! (an option line or a comment) is
// Touchstone, any other CSV.
Format formatOf(const QString& name, std::string_view text);

// The sweep in the text. Throws MeasurementError, "line 7: ..." where one
// line is at fault.
OnePort readOnePort(std::string_view text, Format format);
OnePort readTouchstone(std::string_view text);
OnePort readCsv(std::string_view text);

// The sweep in the file: a regular file of at most kMostBytes, in the format
// formatOf gives. The message of a MeasurementError begins with the file's
// name: "built.s1p, line 7: ...".
OnePort readMeasurementFile(const QString& path);

// A number as a measurement's line writes it: C's decimal or exponent form,
// a leading + allowed; none for anything else, infinities and NaN included.
std::optional<double> numberIn(std::string_view text);

// The sweep as a Touchstone version 1 file, each comment on a line of its
// own first: MHz, the reflection coefficient on that reference resistance,
// real and imaginary, each number the shortest that reads back the same.
QByteArray touchstoneOf(const OnePort& sweep, double reference, const QStringList& comments);

// Shared by the readers: each line without its line end and surrounding
// blanks, with its number from 1.
struct Line {
    int number = 0;
    std::string_view text;
};
std::vector<Line> linesOf(std::string_view text);

// Adds a sample read on a line, its frequency rising above the last; a
// MeasurementError for one that does not, for a number out of range, and
// past kMostFrequencies.
void addSample(OnePort& sweep, const Line& line, double frequency, std::complex<double> impedance);

// The sweep once every line is read: a MeasurementError with fewer than two.
OnePort finished(OnePort sweep);

// "line 7: " and the message.
[[noreturn]] void faultOn(const Line& line, const QString& message);

}  // namespace querlin::measurement
