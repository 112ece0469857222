#include "command.h"
#include "command_line.h"
#include "option_texts.h"
#include "request_words.h"

namespace querlin::cli {

namespace {

Work matchWork(const Words& words) {
    return [antenna = antennaOf(words, true),
            feedline = words.value("feedline")](const Output& output) {
        printResults(output, designMatch(antenna, feedline, output.locale));
        return kSuccess;
    };
}

}  // namespace

const Command& matchCommand() {
    static const Command command{
        "match",
        QT_TRANSLATE_NOOP("querlin-calc", "the same, and the matching coil across the feed point"),
        "querlin-calc match --frequency MHZ --length L --element D --position PCT --feedline OHMS "
        "[--metric]",
        QT_TRANSLATE_NOOP("querlin-calc",
                          "The main window's lower CALCULATE: prints what dipole prints, then the "
                          "inductance of the shunt coil across the feed point that matches the "
                          "antenna to the feed line, in microhenries."),
        {{option::kFrequency, true},
         {option::kLength, true},
         {option::kElement, true},
         {option::kPosition, true},
         {option::kMetric},
         {{"feedline", "OHMS",
           QT_TRANSLATE_NOOP("querlin-calc", "The feed line's impedance, in ohms.")},
          true},
         {option::kJson},
         {option::kLocale}},
        matchWork};
    return command;
}

}  // namespace querlin::cli
