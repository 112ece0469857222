#include "command_line.h"

#include <QCoreApplication>

#include <QCommandLineParser>
#include <QProcess>
#include <algorithm>
#include <functional>
#include <istream>
#include <ostream>
#include <sstream>
#include <string>

#include "handler_fault.h"
#include "help_text.h"
#include "request.h"
#include "request_words.h"
#include "usage_error.h"

namespace querlin::cli {

namespace {

const QString kProgram = QStringLiteral("querlin-calc");

// A batch line's key for a fault, by its status.
constexpr const char* kBatchKeys[] = {"", "fault", "usage", "engine"};

// The command, a field that did not read named by the option that gave it.
int runWords(const QCommandLineParser& parser, const ParsedCommand& command, const Output& output) {
    try {
        return command.work(output);
    } catch (const HandlerFault& fault) {
        if (const QString text = fieldFaultText(fault, parser, command); !text.isEmpty()) {
            throw Fault(FaultStatus::Calculation, text);
        }
        throw;
    }
}

// A command's fault as querlin-calc reports it.
template <typename Work>
int guarded(Work&& work, const std::function<int(const Fault&)>& report) {
    try {
        return work();
    } catch (const Fault& fault) {
        return report(fault);
    }
}

// One line of a batch: its JSON line, and its status. Why a line failed is
// in its JSON line, not on standard error.
int batchLine(QCommandLineParser& parser, const std::string& line, bool userLocale,
              std::ostream& out) {
    std::ostringstream printed;
    std::ostringstream unsaid;
    const int status = guarded(
        [&] {
            QStringList words = QProcess::splitCommand(
                QString::fromUtf8(line.data(), static_cast<qsizetype>(line.size())));
            words.prepend(kProgram);
            if (!parser.parse(words)) {
                misused(parseErrorText(parser));
            }
            for (const char* whole :
                 {"batch", "sweep", "help", "version", "output", "plot", "touchstone"}) {
                if (parser.isSet(QString::fromLatin1(whole))) {
                    misused(QCoreApplication::translate("querlin-calc",
                                                        "--%1 cannot be a line of a batch.")
                                .arg(QLatin1String(whole)));
                }
            }
            const ParsedCommand command = commandOf(parser, userLocale);
            return runWords(parser, command, {printed, unsaid, localeFor(command.locale), true});
        },
        [&](const Fault& fault) {
            writeJson(printed,
                      {{QLatin1String(kBatchKeys[static_cast<int>(fault.status)]), fault.message}});
            return static_cast<int>(fault.status);
        });
    out << printed.str();
    return status;
}

int batch(QCommandLineParser& parser, bool userLocale, std::istream& in, std::ostream& out) {
    int status = kSuccess;
    std::string line;
    while (std::getline(in, line)) {
        status = std::max(status, batchLine(parser, line, userLocale, out));
    }
    return status;
}

// The words after "help", as in "help COMMAND", or the words as they are.
QStringList afterHelp(QStringList words) {
    if (!words.isEmpty() && words.front() == u"help") {
        words.removeFirst();
    }
    return words;
}

// The help asked for with --help or as "help COMMAND": of the command named,
// or of them all.
int help(const QStringList& words, std::ostream& out) {
    const QStringList named = afterHelp(words);
    if (named.isEmpty()) {
        out << generalHelp().toStdString();
        return kSuccess;
    }
    const QString text = commandHelp(named.front());
    if (text.isEmpty()) {
        misused(QCoreApplication::translate("querlin-calc", "Unknown command '%1'.")
                    .arg(named.front()));
    }
    out << text.toStdString();
    return kSuccess;
}

// The command that words name, for the usage to show with an error; none
// where they name none.
QString commandNamed(const QStringList& words) {
    const QStringList named = afterHelp(words);
    return !named.isEmpty() && !commandOptions(named.front()).isEmpty() ? named.front() : QString();
}

int runParsed(QCommandLineParser& parser, const QStringList& arguments, std::istream& in,
              std::ostream& out, std::ostream& err) {
    if (!parser.parse(arguments)) {
        misused(parseErrorText(parser));
    }
    const QStringList words = parser.positionalArguments();
    if (parser.isSet(QStringLiteral("help")) || (!words.isEmpty() && words.front() == u"help")) {
        return help(words, out);
    }
    if (parser.isSet(QStringLiteral("version"))) {
        writeLine(out, (kProgram + QStringLiteral(" " QUERLIN_VERSION)).toUtf8());
        return kSuccess;
    }
    if (parser.isSet(QStringLiteral("batch"))) {
        for (const QString& name : parser.optionNames()) {
            if (name != u"batch" && name != u"locale" && name != u"json") {
                misused(
                    QCoreApplication::translate(
                        "querlin-calc", "--batch takes its commands from standard input, not --%1.")
                        .arg(name));
            }
        }
        if (!parser.positionalArguments().isEmpty()) {
            misused(QCoreApplication::translate(
                        "querlin-calc", "--batch takes its commands from standard input, not '%1'.")
                        .arg(parser.positionalArguments().front()));
        }
        return batch(parser, parser.isSet(QStringLiteral("locale")), in, out);
    }
    const ParsedCommand command = commandOf(parser);
    return runWords(parser, command, {out, err, localeFor(command.locale), command.json});
}

}  // namespace

int run(const QStringList& arguments, std::istream& in, std::ostream& out, std::ostream& err) {
    QCommandLineParser parser;
    describe(parser);
    const Output output{out, err, QLocale::c(), false};
    return guarded(
        [&] { return runParsed(parser, arguments, in, out, err); },
        [&](const Fault& fault) {
            explain(output, fault.status == FaultStatus::Usage
                                ? kProgram + QStringLiteral(": ") + fault.message
                                : fault.message);
            if (fault.status == FaultStatus::Usage) {
                // The usage of the command given, or of every one.
                const QString command = commandNamed(parser.positionalArguments());
                const QString asked = command.isEmpty() ? kProgram : kProgram + u' ' + command;
                err << usage(command).toStdString()
                    << QCoreApplication::translate("querlin-calc", "Try '%1 --help' for more.")
                           .arg(asked)
                           .toStdString()
                    << '\n';
            }
            return static_cast<int>(fault.status);
        });
}

}  // namespace querlin::cli
