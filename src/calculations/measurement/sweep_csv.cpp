// A sweep as analyser programs export it to CSV: a header row that names the
// columns, then a row for each frequency. The columns are found by name, in
// any order, among others (SWR, return loss, |Z|, which are left unread):
//   the frequency: a name that begins with "freq", its unit in the name
//     (Hz, kHz, MHz, GHz); without one, numbers from 1000 up are Hz and
//     smaller ones MHz, judged by the first row;
//   and either the reflection coefficient on 50 ohms, real and imaginary:
//     Re(S11) and Im(S11), S11 real and S11 imaginary, and the like with
//     Gamma or Rho for S11;
//   or the impedance: R and X, Rs and Xs, Resistance and Reactance,
//     Re(Z) and Im(Z); a unit of ohms in the name is allowed.
// Where both are there the reflection coefficient is read. Names are matched
// on their letters and digits alone, in any case. Fields are separated by
// semicolons where the header holds one, else by tabs where it holds one,
// else by commas; a field may be in double quotes, and a number with a comma
// and no point takes the comma for its decimal point. Blank lines and lines
// beginning with # or ! are left out.
#include <algorithm>

#include <QCoreApplication>
#include <array>
#include <string>

#include "measurement/one_port.h"

namespace querlin::measurement {

namespace {

constexpr std::string_view kExample =
    "'Frequency (Hz),Re(S11),Im(S11)' or 'Freq (MHz),R (ohms),X (ohms)'";

std::string_view trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

std::vector<std::string> fieldsOf(std::string_view line, char separator) {
    std::vector<std::string> fields;
    std::string field;
    bool quoted = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (c == '"' && quoted && i + 1 < line.size() && line[i + 1] == '"') {
            field += '"';
            ++i;
        } else if (c == '"') {
            quoted = !quoted;
        } else if (c == separator && !quoted) {
            fields.emplace_back(trimmed(field));
            field.clear();
        } else {
            field += c;
        }
    }
    fields.emplace_back(trimmed(field));
    return fields;
}

// A column's name as it is matched: its ASCII letters and digits, lowercase,
// a unit of ohms at its end left out.
std::string keyOf(std::string_view name) {
    std::string key;
    for (const char c : name) {
        if ((c >= '0' && c <= '9') || (c >= 'a' && c <= 'z')) {
            key += c;
        } else if (c >= 'A' && c <= 'Z') {
            key += static_cast<char>(c - 'A' + 'a');
        }
    }
    for (const std::string_view unit : {"ohms", "ohm"}) {
        if (key.size() > unit.size() && key.ends_with(unit)) {
            key.resize(key.size() - unit.size());
            break;
        }
    }
    return key;
}

bool isReflection(const std::string& key, bool real) {
    const std::vector<std::string> parts =
        real ? std::vector<std::string>{"re", "real"}
             : std::vector<std::string>{"im", "imag", "imaginary"};
    for (const std::string quantity : {"s11", "gamma", "rho"}) {
        for (const std::string& part : parts) {
            if (key == quantity + part || key == part + quantity) {
                return true;
            }
        }
    }
    return false;
}

bool isImpedance(const std::string& key, bool real) {
    static const std::array<std::string_view, 7> kReal{"r",   "rs",    "resistance", "rez",
                                                       "zre", "zreal", "realz"};
    static const std::array<std::string_view, 9> kImaginary{
        "x", "xs", "reactance", "imz", "zim", "zimag", "imagz", "zimaginary", "imaginaryz"};
    const auto has = [&](const auto& names) {
        return std::find(names.begin(), names.end(), key) != names.end();
    };
    return real ? has(kReal) : has(kImaginary);
}

// Where each column read is, and the frequency's unit in MHz when named.
struct Columns {
    std::size_t frequency = 0;
    std::size_t real = 0;
    std::size_t imaginary = 0;
    bool reflection = true;
    std::optional<double> unit;
    std::size_t needed = 0;  // fields a row must hold
};

Columns columnsOf(const Line& header, const std::vector<std::string>& names) {
    std::optional<std::size_t> frequency;
    std::optional<std::size_t> parts[2][2];  // [reflection, impedance][real, imaginary]
    Columns columns;
    for (std::size_t i = 0; i < names.size(); ++i) {
        const std::string key = keyOf(names[i]);
        if (!frequency && key.starts_with("freq")) {
            frequency = i;
            constexpr std::pair<std::string_view, double> kUnits[] = {
                {"ghz", 1e3}, {"mhz", 1}, {"khz", 1e-3}, {"hz", 1e-6}};
            for (const auto& [unit, megahertz] : kUnits) {
                if (key.ends_with(unit)) {
                    columns.unit = megahertz;
                    break;
                }
            }
        }
        for (const bool real : {true, false}) {
            auto& reflection = parts[0][real ? 0 : 1];
            auto& impedance = parts[1][real ? 0 : 1];
            if (!reflection && isReflection(key, real)) {
                reflection = i;
            }
            if (!impedance && isImpedance(key, real)) {
                impedance = i;
            }
        }
    }
    if (!frequency) {
        faultOn(header, QCoreApplication::translate(
                            "Measurement",
                            "no column is named as the frequency; a CSV measurement "
                            "begins with a header row such as %1.")
                            .arg(QLatin1String(kExample)));
    }
    const int pair = parts[0][0] && parts[0][1] ? 0 : (parts[1][0] && parts[1][1] ? 1 : -1);
    if (pair < 0) {
        faultOn(header, QCoreApplication::translate(
                            "Measurement",
                            "no columns are named as the reflection coefficient's real and "
                            "imaginary parts or as the resistance and reactance, as in %1.")
                            .arg(QLatin1String(kExample)));
    }
    columns.frequency = *frequency;
    columns.real = *parts[pair][0];
    columns.imaginary = *parts[pair][1];
    columns.reflection = pair == 0;
    columns.needed = std::max({columns.frequency, columns.real, columns.imaginary}) + 1;
    return columns;
}

double numberOf(const Line& line, const std::vector<std::string>& names,
                const std::vector<std::string>& fields, std::size_t column) {
    std::string text = fields[column];
    if (text.find('.') == std::string::npos) {
        std::replace(text.begin(), text.end(), ',', '.');
    }
    const std::optional<double> number = numberIn(text);
    if (!number) {
        faultOn(line, QCoreApplication::translate("Measurement",
                                                  "'%1' in the column '%2' is not a number.")
                          .arg(QString::fromUtf8(fields[column].substr(0, 40)),
                               QString::fromUtf8(names[column].substr(0, 40))));
    }
    return *number;
}

}  // namespace

OnePort readCsv(std::string_view text) {
    std::optional<Columns> columns;
    std::vector<std::string> names;
    char separator = ',';
    OnePort sweep;
    for (const Line& line : linesOf(text)) {
        if (line.text.empty() || line.text.front() == '#' || line.text.front() == '!') {
            continue;
        }
        if (!columns) {
            separator = line.text.find(';') != std::string_view::npos    ? ';'
                        : line.text.find('\t') != std::string_view::npos ? '\t'
                                                                         : ',';
            names = fieldsOf(line.text, separator);
            columns = columnsOf(line, names);
            continue;
        }
        const std::vector<std::string> fields = fieldsOf(line.text, separator);
        if (fields.size() < columns->needed) {
            faultOn(line, QCoreApplication::translate("Measurement",
                                                      "%1 fields where the columns read need %2.")
                              .arg(fields.size())
                              .arg(columns->needed));
        }
        const double frequency = numberOf(line, names, fields, columns->frequency);
        if (!columns->unit) {
            columns->unit = frequency >= 1000 ? 1e-6 : 1;
        }
        const std::complex<double> value(numberOf(line, names, fields, columns->real),
                                         numberOf(line, names, fields, columns->imaginary));
        addSample(sweep, line, frequency * *columns->unit,
                  columns->reflection ? kCsvReference * (1.0 + value) / (1.0 - value) : value);
    }
    return finished(std::move(sweep));
}

}  // namespace querlin::measurement
