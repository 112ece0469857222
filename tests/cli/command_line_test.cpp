#include "cli/command_line.h"

#include <gtest/gtest.h>

#include <QLocale>
#include <sstream>

#include "support/qstring_printer.h"

namespace querlin::cli {
namespace {

const std::string kWorkedExample = "--frequency 7.1 --length 40 --element 0.08 --position 50";
const std::string kFit =
    " THIS WILL FIT BUT YOU MAY WANT TO TRY A SHORTER COIL OR LARGER DIAMETER WIRE";

struct Outcome {
    int status;
    std::string out;
    std::string err;
};

Outcome run(const std::string& words, const std::string& input = {}) {
    QStringList arguments = QString::fromStdString(words).split(u' ', Qt::SkipEmptyParts);
    arguments.prepend(QStringLiteral("querlin-calc"));
    std::istringstream in(input);
    std::ostringstream out;
    std::ostringstream err;
    const int status = cli::run(arguments, in, out, err);
    return {status, out.str(), err.str()};
}

std::string firstLine(const std::string& text) {
    return text.substr(0, text.find('\n'));
}

// The worked examples give the windows' texts; a fault gives the window's
// message and nothing else; bad words give a usage whose first line says why.
TEST(CommandLine, PrintsWhatTheWindowsShow) {
    struct Case {
        std::string words;
        int status;
        std::string out;
        std::string err;  // its first line
    };
    const Case cases[] = {
        {"dipole " + kWorkedExample, kSuccess, "10\n14.74\n31.55556\n", ""},
        {"match " + kWorkedExample + " --feedline 50", kSuccess, "10\n14.74\n31.55556\n1.463956\n",
         ""},
        {"coil --inductance 14.74 --diameter 1 --length 2 --wire .051", kSuccess,
         "38.00684\n" + kFit + "\n", ""},
        {"dipole --metric --frequency 7.1 --length 12.19 --element 2.03 --position 50", kSuccess,
         "3.047649\n14.74\n31.55192\n", ""},
        {"dipole --json " + kWorkedExample, kSuccess,
         R"({"distance":"10","impedance":"31.55556","inductance":"14.74"})"
         "\n",
         ""},
        {"dipole --frequency 00.0 --length 00.0 --element .00 --position 99", kFault, "",
         "Division by zero occurred while calculating the quarter wavelength."},
        {"dipole --frequency seven --length 40 --element 0.08 --position 50", kFault, "",
         "\"INPUT FREQUENCY\" does not hold a number."},
        {"match " + kWorkedExample + " --feedline 20", kFault, "",
         "An invalid argument was given to a square root while calculating the impedance ratio "
         "of the matching coil."},
        {"coil --inductance 0 --diameter 0 --length 0 --wire 0", kFault, "",
         "An invalid operation occurred while calculating the turns squared per microhenry."},
        {"dipole --frequence 7.1", kUsage, "", "querlin-calc: Unknown option 'frequence'."},
        {"dipole --frequency", kUsage, "", "querlin-calc: Missing value after '--frequency'."},
        {"dipole --frequency 7.1 --length 40 --element 0.08", kUsage, "",
         "querlin-calc: dipole needs --position."},
        {"dipole " + kWorkedExample + " --feedline 50", kUsage, "",
         "querlin-calc: dipole takes no --feedline."},
        {"dipole --frequency 7.1 --length 40 --element 0.08 --position 100", kUsage, "",
         "querlin-calc: --position takes a whole percentage from 1 to 99, not '100'."},
        {"dipole " + kWorkedExample + " --sweep", kUsage, "",
         "querlin-calc: --sweep takes every position: leave out --position."},
        {"antenna", kUsage, "", "querlin-calc: Unknown command 'antenna'."},
        {"", kUsage, "", "querlin-calc: No command given."},
        {"--batch dipole", kUsage, "",
         "querlin-calc: --batch takes its commands from standard input, not 'dipole'."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.words);
        const Outcome outcome = run(c.words);
        EXPECT_EQ(outcome.status, c.status);
        EXPECT_EQ(outcome.out, c.out);
        EXPECT_EQ(firstLine(outcome.err), c.err);
        if (c.status == kUsage) {
            EXPECT_NE(outcome.err.find("\n  or:  querlin-calc coil"), std::string::npos);
        }
    }
}

TEST(CommandLine, HelpAndVersionGoToStandardOutput) {
    const Outcome help = run("--help");
    EXPECT_EQ(help.status, kSuccess);
    EXPECT_EQ(firstLine(help.out),
              "Usage: querlin-calc dipole --frequency MHZ --length L "
              "--element D --position PCT [--metric]");
    EXPECT_NE(help.out.find("--feedline <OHMS>"), std::string::npos);
    const Outcome version = run("--version");
    EXPECT_EQ(version.status, kSuccess);
    EXPECT_EQ(version.out, "querlin-calc " QUERLIN_VERSION "\n");
    EXPECT_EQ(help.err + version.err, "");
}

TEST(CommandLine, SweepsEveryPositionInAscendingOrder) {
    const Outcome csv = run("dipole --frequency 7.1 --length 40 --element 0.08 --sweep");
    EXPECT_EQ(csv.status, kSuccess);
    std::istringstream rows(csv.out);
    std::string row;
    std::getline(rows, row);
    EXPECT_EQ(row, "position,distance,inductance,impedance");
    for (int position = 1; std::getline(rows, row); ++position) {
        EXPECT_EQ(row.substr(0, row.find(',')), std::to_string(position));
        if (position == 50) {
            EXPECT_EQ(row, "50,10,14.74,31.55556");
        }
    }
    EXPECT_EQ(std::count(csv.out.begin(), csv.out.end(), '\n'), 100);

    const Outcome json = run("dipole --json --frequency 7.1 --length 40 --element 0.08 --sweep");
    EXPECT_EQ(
        firstLine(json.out),
        R"({"distance":"0.2000008","impedance":"31.55556","inductance":"9.43","position":1})");
    EXPECT_EQ(std::count(json.out.begin(), json.out.end(), '\n'), 99);
}

// The user's locale reads and writes a decimal comma, which a CSV field quotes;
// without --locale the comma is no number, as in a window in the C locale.
TEST(CommandLine, LocaleIsTheUsersOnlyWhenAskedFor) {
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const std::string antenna = " --frequency 7,1 --length 40 --element 0,08";
    EXPECT_EQ(run("dipole --locale --position 50" + antenna).out, "10\n14,74\n31,55556\n");
    const std::string sweep = run("dipole --locale --sweep" + antenna).out;
    EXPECT_NE(sweep.find("\n50,10,\"14,74\",\"31,55556\"\n"), std::string::npos);
    EXPECT_EQ(run("dipole --position 50" + antenna).err,
              "\"INPUT FREQUENCY\" does not hold a number.\n");
    EXPECT_EQ(run("--batch --locale", "dipole --position 50" + antenna).out,
              R"({"distance":"10","impedance":"31,55556","inductance":"14,74"})"
              "\n");
    QLocale::setDefault(QLocale::c());
}

// Every line gives one JSON line, in order, and the batch goes on after a
// fault or a misused line; its status is the worst of its lines.
TEST(CommandLine, BatchGivesOneJsonLinePerLine) {
    const std::string dipole = "dipole " + kWorkedExample + "\n";
    const std::string fault = "dipole --frequency= --length 40 --element 0.08 --position 50\n";
    const std::string coil = "coil --inductance 14.74 --diameter \" 1 \" --length 2 --wire .051\n";
    const std::string dipoleJson =
        R"({"distance":"10","impedance":"31.55556","inductance":"14.74"})"
        "\n";
    const std::string faultJson = R"({"fault":"\"INPUT FREQUENCY\" does not hold a number."})"
                                  "\n";
    const std::string coilJson = R"({"message":")" + kFit + R"(","turns":"38.00684"})" + "\n";

    const Outcome batch = run("--batch", dipole + fault + coil);
    EXPECT_EQ(batch.status, kFault);
    EXPECT_EQ(batch.out, dipoleJson + faultJson + coilJson);
    EXPECT_EQ(batch.err, "");

    const Outcome misused = run("--batch", "\ndipole --sweep\n" + dipole);
    EXPECT_EQ(misused.status, kUsage);
    EXPECT_EQ(misused.out, R"({"usage":"No command given."})"
                           "\n"
                           R"({"usage":"--sweep cannot be a line of a batch."})"
                           "\n" +
                               dipoleJson);
}

}  // namespace
}  // namespace querlin::cli
