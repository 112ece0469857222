// Touchstone version 1, one port, as analysers write it: an option line
//   # <Hz|kHz|MHz|GHz> <S|Y|Z> <RI|MA|DB> R <ohms>
// whose parts may come in any order, in any case, and default to GHz, S, MA
// and 50 ohms where left out; comments from ! to the line's end; then a line
// per frequency: the frequency and the parameter's two numbers. Y and Z are
// normalised to the reference resistance in version 1.
#include <array>

#include <QCoreApplication>
#include <charconv>
#include <cmath>
#include <numbers>

#include "measurement/one_port.h"

namespace querlin::measurement {

namespace {

enum class Parameter { S, Y, Z };
enum class Pair { RealImaginary, MagnitudeAngle, DecibelAngle };

struct Options {
    double unit = 1000;  // MHz per unit of the file's frequencies: GHz
    Parameter parameter = Parameter::S;
    Pair pair = Pair::MagnitudeAngle;
    double reference = 50;
};

const QString kOptionForm = QStringLiteral("# <Hz|kHz|MHz|GHz> <S|Y|Z> <RI|MA|DB> R <ohms>");

QString shown(std::string_view text) {
    constexpr std::size_t kLongest = 40;
    const QString whole =
        QString::fromUtf8(text.data(), static_cast<qsizetype>(std::min(text.size(), kLongest)));
    return u'\'' + whole + (text.size() > kLongest ? u"...'"_qs : u"'"_qs);
}

std::vector<std::string_view> wordsOf(std::string_view text) {
    std::vector<std::string_view> words;
    while (true) {
        const std::size_t first = text.find_first_not_of(" \t\r");
        if (first == std::string_view::npos) {
            return words;
        }
        text.remove_prefix(first);
        const std::size_t end = std::min(text.find_first_of(" \t\r"), text.size());
        words.push_back(text.substr(0, end));
        text.remove_prefix(end);
    }
}

bool named(std::string_view word, std::string_view name) {
    return word.size() == name.size() &&
           std::equal(word.begin(), word.end(), name.begin(), [](char a, char b) {
               return std::tolower(static_cast<unsigned char>(a)) == b;
           });
}

Options optionsOf(const Line& line) {
    Options options;
    const std::vector<std::string_view> words = wordsOf(line.text.substr(1));
    const auto once = [&](bool& seen, std::string_view word) {
        if (seen) {
            faultOn(line,
                    QCoreApplication::translate(
                        "Measurement", "%1 repeats a part of the option line, which reads %2.")
                        .arg(shown(word), kOptionForm));
        }
        seen = true;
    };
    bool unit = false;
    bool parameter = false;
    bool pair = false;
    bool reference = false;
    constexpr std::pair<std::string_view, double> kUnits[] = {
        {"hz", 1e-6}, {"khz", 1e-3}, {"mhz", 1}, {"ghz", 1e3}};
    constexpr std::pair<std::string_view, Parameter> kParameters[] = {
        {"s", Parameter::S}, {"y", Parameter::Y}, {"z", Parameter::Z}};
    constexpr std::pair<std::string_view, Pair> kPairs[] = {
        {"ri", Pair::RealImaginary}, {"ma", Pair::MagnitudeAngle}, {"db", Pair::DecibelAngle}};
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string_view word = words[i];
        const auto find = [&](const auto& table) {
            return std::find_if(std::begin(table), std::end(table),
                                [&](const auto& entry) { return named(word, entry.first); });
        };
        if (const auto* u = find(kUnits); u != std::end(kUnits)) {
            once(unit, word);
            options.unit = u->second;
        } else if (const auto* p = find(kParameters); p != std::end(kParameters)) {
            once(parameter, word);
            options.parameter = p->second;
        } else if (const auto* f = find(kPairs); f != std::end(kPairs)) {
            once(pair, word);
            options.pair = f->second;
        } else if (named(word, "r")) {
            once(reference, word);
            const std::optional<double> ohms =
                i + 1 < words.size() ? numberIn(words[i + 1]) : std::nullopt;
            if (!ohms || !(*ohms > 0)) {
                faultOn(line, QCoreApplication::translate(
                                  "Measurement",
                                  "R must be followed by the reference resistance in "
                                  "ohms, a positive number."));
            }
            options.reference = *ohms;
            ++i;
        } else if (named(word, "g") || named(word, "h")) {
            faultOn(line, QCoreApplication::translate(
                              "Measurement",
                              "%1 parameters describe two ports; an antenna's feed "
                              "point is one: S, Y or Z.")
                              .arg(QString::fromLatin1(word.data(), 1).toUpper()));
        } else {
            faultOn(line, QCoreApplication::translate(
                              "Measurement", "%1 is no part of an option line, which reads %2.")
                              .arg(shown(word), kOptionForm));
        }
    }
    return options;
}

std::complex<double> valueOf(const Options& options, double a, double b) {
    const double radians = b * std::numbers::pi / 180;
    switch (options.pair) {
        case Pair::RealImaginary:
            return {a, b};
        case Pair::MagnitudeAngle:
            return std::polar(1.0, radians) * a;
        case Pair::DecibelAngle:
            return std::polar(1.0, radians) * std::pow(10.0, a / 20);
    }
    return {};
}

std::complex<double> impedanceOf(const Options& options, std::complex<double> value) {
    const double r = options.reference;
    switch (options.parameter) {
        case Parameter::S:
            return r * (1.0 + value) / (1.0 - value);
        case Parameter::Y:
            return r / value;
        case Parameter::Z:
            return r * value;
    }
    return {};
}

// The shortest decimal that reads back as the same number.
QByteArray shortest(double value) {
    std::array<char, 32> text{};
    const auto written = std::to_chars(text.begin(), text.end(), value);
    return QByteArray(text.data(), written.ptr - text.data());
}

}  // namespace

OnePort readTouchstone(std::string_view text) {
    std::optional<Options> options;
    OnePort sweep;
    for (Line line : linesOf(text)) {
        line.text = line.text.substr(0, line.text.find('!'));
        if (line.text.empty()) {
            continue;
        }
        if (line.text.front() == '#') {
            // Only the first option line counts, as the format has it.
            if (!options) {
                options = optionsOf(line);
            }
            continue;
        }
        if (line.text.front() == '[') {
            faultOn(line,
                    QCoreApplication::translate("Measurement",
                                                "%1 is a keyword of Touchstone version 2; save the "
                                                "measurement as version 1.")
                        .arg(shown(line.text)));
        }
        if (!options) {
            faultOn(line,
                    QCoreApplication::translate("Measurement",
                                                "data before the option line: a Touchstone file "
                                                "says first what its numbers are, as in %1.")
                        .arg(kOptionForm));
        }
        const std::vector<std::string_view> words = wordsOf(line.text);
        if (words.size() != 3) {
            faultOn(line,
                    QCoreApplication::translate("Measurement",
                                                "%1 numbers where one port's line holds three: the "
                                                "frequency and two for the parameter.")
                        .arg(words.size()));
        }
        double numbers[3];
        for (std::size_t i = 0; i < 3; ++i) {
            const std::optional<double> number = numberIn(words[i]);
            if (!number) {
                faultOn(line, QCoreApplication::translate("Measurement", "%1 is not a number.")
                                  .arg(shown(words[i])));
            }
            numbers[i] = *number;
        }
        addSample(sweep, line, numbers[0] * options->unit,
                  impedanceOf(*options, valueOf(*options, numbers[1], numbers[2])));
    }
    if (!options && sweep.empty()) {
        throw MeasurementError(
            QCoreApplication::translate(
                "Measurement",
                "no option line and no data: a Touchstone file holds an option line "
                "such as %1 and a line for each frequency.")
                .arg(kOptionForm));
    }
    return finished(std::move(sweep));
}

QByteArray touchstoneOf(const OnePort& sweep, double reference, const QStringList& comments) {
    QByteArray text;
    for (const QString& comment : comments) {
        text += "! " + comment.toUtf8() + '\n';
    }
    text += "# MHz S RI R " + shortest(reference) + '\n';
    for (const Sample& sample : sweep) {
        const std::complex<double> s =
            (sample.impedance - reference) / (sample.impedance + reference);
        text +=
            shortest(sample.frequency) + ' ' + shortest(s.real()) + ' ' + shortest(s.imag()) + '\n';
    }
    return text;
}

}  // namespace querlin::measurement
