#include <QJsonDocument>
#include <QProcess>
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

#include "coil/coil_window_events.h"
#include "coil/coil_window_fields.h"
#include "coil/coil_window_in_memory.h"
#include "command_line.h"
#include "dipole/main_window_events.h"
#include "dipole/main_window_fields.h"
#include "dipole/main_window_in_memory.h"
#include "fuzz_checks.h"
#include "window_script.h"

using namespace querlin;
using namespace querlin::fuzzing;

namespace {

// What each handler may write, as the windows' descriptions give it.
using namespace mainfields;
const QStringList kUnits{distanceUnit, diameterUnit, lengthUnit};
const std::vector<Writes> kMainWindowWrites{
    {loadingCalculate, {coilDistance, loadingInductance, impedance}},
    {matchingCalculate, {matchingCoil}},
    {slider, {percentage}, {}, {leftCoil, rightCoil}},
    {metric, {}, kUnits},
    {feet, {}, kUnits},
};

const std::vector<Writes> kCoilWindowWrites{
    {coilfields::calculate, {coilfields::turns}, {coilfields::message}}};

// querlin-calc given the words of a line and an input: it exits with 0, a
// fault's 1, a usage's 2 or the engine's 3, says why on standard error unless
// it ran a batch, and a batch prints one JSON object for each line of its
// input. No file is written: --output, --plot and --touchstone are left out
// of the words.
void checkCommand(const QString& line, const std::string& input) {
    QStringList words = QStringList{u"querlin-calc"_qs} + QProcess::splitCommand(line);
    words.removeIf([](const QString& word) {
        return word.startsWith(u"--output") || word.startsWith(u"--plot") ||
               word.startsWith(u"--touchstone");
    });
    std::istringstream in(input);
    std::ostringstream out;
    std::ostringstream err;
    const int status = cli::run(words, in, out, err);
    const auto what = [&] { return line + u"\n"_qs + QString::fromStdString(err.str()); };
    require(status == cli::kSuccess || status == cli::kFault || status == cli::kUsage ||
                status == cli::kEngine,
            "querlin-calc exits with 0, 1, 2 or 3", what);
    require((status == cli::kSuccess) == err.str().empty() || words.contains(u"--batch"_qs),
            "querlin-calc says why on standard error exactly when it fails", what);
    if (words.size() == 2 && words[1] == u"--batch") {
        auto lines = std::count(input.begin(), input.end(), '\n') +
                     (input.empty() || input.back() == '\n' ? 0 : 1);
        std::istringstream printed(out.str());
        for (std::string json; std::getline(printed, json); --lines) {
            require(QJsonDocument::fromJson(QByteArray::fromStdString(json)).isObject(),
                    "a batch line is a JSON object", [&] { return QString::fromStdString(json); });
        }
        require(lines == 0, "a batch prints one line for each line of its input", what);
    }
}

}  // namespace

// One input drives every handler, in the locale of a first line "locale <name>":
// as a script of user actions over each window, and as the words of one
// querlin-calc on its first line, the rest its standard input and a batch.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // check and --sweep --check find no engine and end at once, with status 3,
    // instead of starting nec2c for every input.
    [[maybe_unused]] static const bool noEngine = qputenv("QUERLIN_NEC2C", "/nonexistent/nec2c");
    std::string_view script(reinterpret_cast<const char*>(data), size);
    QLocale locale = QLocale::c();
    if (script.starts_with("locale ")) {
        const std::size_t end = std::min(script.find('\n'), script.size());
        locale = QLocale(QString::fromLatin1(script.substr(7, end - 7)));
        script.remove_prefix(std::min(end + 1, script.size()));
    }
    runWindow(initialMainWindow(locale), mainWindowHandlers(), kMainWindowWrites, script);
    runWindow(initialCoilWindow(locale), coilWindowHandlers(), kCoilWindowWrites, script);

    QLocale::setDefault(locale);  // what --locale takes
    const std::size_t end = std::min(script.find('\n'), script.size());
    const std::string input(script.substr(std::min(end + 1, script.size())));
    checkCommand(QString::fromUtf8(script.data(), static_cast<qsizetype>(end)), input);
    checkCommand(u"--batch"_qs, input);
    return 0;
}
