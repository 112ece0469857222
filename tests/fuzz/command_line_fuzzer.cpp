#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

#include "cli/command_line.h"
#include "fuzz_checks.h"
#include "window_script.h"

using namespace querlin;
using namespace querlin::fuzzing;

namespace {

struct Outcome {
    int status;
    std::string out;
    std::string err;
};

Outcome run(const QStringList& arguments, const std::string& input) {
    std::istringstream in(input);
    std::ostringstream out;
    std::ostringstream err;
    const int status = cli::run(arguments, in, out, err);
    return {status, out.str(), err.str()};
}

QString detail(const QString& words, const std::string& text) {
    return words + QStringLiteral("\n  ") + QString::fromStdString(text);
}

// The words given once: a result; a fault's one line; a usage that says what
// was wrong; or, for a batch, its faults and usages on its own lines.
void checkCommandLine(const QString& line, const std::string& input) {
    QStringList words = QProcess::splitCommand(line);
    words.prepend(QStringLiteral("querlin-calc"));
    const Outcome o = run(words, input);
    const auto what = [&] { return detail(line, o.err); };
    require(o.status == cli::kSuccess || o.status == cli::kFault || o.status == cli::kUsage,
            "querlin-calc exits with 0, 1 or 2", what);
    if (o.status == cli::kSuccess || o.err.empty()) {
        require(o.err.empty(), "a result goes with an empty standard error", what);
        require(o.status == cli::kSuccess ||
                    o.out.find(o.status == cli::kFault ? "{\"fault\":" : "{\"usage\":") !=
                        std::string::npos,
                "a batch that fails prints why", what);
    } else if (o.status == cli::kFault) {
        require(o.err.size() > 1 && std::count(o.err.begin(), o.err.end(), '\n') == 1 &&
                    o.err.back() == '\n',
                "a fault is one line of standard error", what);
    } else {
        require(o.out.empty() && o.err.starts_with("querlin-calc: "),
                "a usage error prints nothing but its usage", what);
    }
}

// Every line of a batch gives one JSON object, in order: the results, or its
// fault or usage alone. No result is an infinite or NaN number.
void checkBatch(const std::string& input) {
    const Outcome o = run({QStringLiteral("querlin-calc"), QStringLiteral("--batch")}, input);
    const auto lines = std::count(input.begin(), input.end(), '\n') +
                       (input.empty() || input.back() == '\n' ? 0 : 1);
    require(std::count(o.out.begin(), o.out.end(), '\n') == lines && o.err.empty(),
            "a batch prints one line for each line of its input",
            [&] { return detail(QStringLiteral("--batch"), o.out); });
    int worst = cli::kSuccess;
    std::istringstream printed(o.out);
    for (std::string line; std::getline(printed, line);) {
        const QJsonObject object =
            QJsonDocument::fromJson(QByteArray::fromStdString(line)).object();
        const auto text = [&] { return QString::fromStdString(line); };
        require(!object.isEmpty(), "a batch line is a JSON object", text);
        if (object.contains(QStringLiteral("fault")) || object.contains(QStringLiteral("usage"))) {
            require(object.size() == 1, "a fault or a usage stands alone", text);
            worst = std::max(worst,
                             object.contains(QStringLiteral("fault")) ? cli::kFault : cli::kUsage);
            continue;
        }
        for (const QJsonValue& value : object) {
            require(value.isString() && !isNonFiniteText(value.toString()),
                    "a result is a text and never an infinite or NaN number", text);
        }
    }
    require(o.status == worst, "a batch exits with the worst status of its lines",
            [&] { return QString::number(o.status); });
}

}  // namespace

// The input: optionally "locale <name>", the user's locale for --locale; then
// a line of words given to querlin-calc, split as a batch line is; the rest is
// its standard input, and a batch of its own.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto [locale, script] = scriptLocale({reinterpret_cast<const char*>(data), size});
    QLocale::setDefault(locale);
    const std::size_t end = std::min(script.find('\n'), script.size());
    const QString words = QString::fromUtf8(script.data(), static_cast<qsizetype>(end));
    const std::string input(script.substr(std::min(end + 1, script.size())));
    checkCommandLine(words, input);
    checkBatch(input);
    return 0;
}
