#pragma once

#include <QCommandLineParser>
#include <QLocale>
#include <QString>
#include <QStringList>
#include <optional>

#include "handler_fault.h"
#include "model_commands.h"
#include "request.h"

namespace querlin::cli {

// How the commands read the words they were given: each reader refuses what
// does not read with a usage fault that names the option.

// The options of the NEC-2 model, which nec, check and dipole --sweep --check
// take; --wire is --conductor's old spelling, kept for the scripts that use it.
inline const QStringList kModelOptions{"segments",
                                       "height",
                                       "ground",
                                       "ground-permittivity",
                                       "ground-conductivity",
                                       "apex-angle",
                                       "insulation",
                                       "insulation-permittivity",
                                       "conductor",
                                       "wire",
                                       "coil-q"};
// The loading coil to wind, which check and dipole --sweep --check take.
inline const QStringList kCoilOptions{"coil-diameter", "coil-length", "coil-wire"};

// The words as given, for the commands to read, and the locale their
// numbers are read in.
class Words {
  public:
    Words(const QCommandLineParser& parser, QLocale locale)
        : parser_(parser), locale_(std::move(locale)) {}

    bool isSet(const QString& name) const { return parser_.isSet(name); }
    QString value(const char* name) const { return parser_.value(QString::fromLatin1(name)); }
    bool isSet(const char* name) const { return isSet(QString::fromLatin1(name)); }
    // The word after the command's name, as measured's FILE.
    QString argument() const { return parser_.positionalArguments().at(1); }
    const QLocale& locale() const { return locale_; }

  private:
    const QCommandLineParser& parser_;
    const QLocale locale_;
};

// The slider value of the position given as a whole percentage.
int position(const QString& text);

// The antenna the options give: at the position given, or at the first for
// a command that takes every position or finds the best.
Antenna antennaOf(const Words& words, bool atPosition);

// The model's options: they go with nec, check and --sweep --check.
ModelWords modelWords(const Words& words);

// The former and wire of the loading coil, given all three or none.
std::optional<LoadingCoil> loadingCoilOf(const Words& words);

// The check's words: the model's, the feed line (50 ohms unless given) and
// the loading coil to wind.
CheckWords checkWords(const Words& words);

// The picture of a sweep: its file, PNG or SVG by the name's ending.
QString plotFile(const Words& words);

// The model's sweep for an analyser: a .s1p file, as analysers take it.
QString touchstoneFile(const Words& words);

// The picture of a sweep and the position it marks: --plot only with
// --sweep, and in place of the table, which --json would print.
struct Drawing {
    QString file;
    std::optional<int> worked;
};
Drawing drawing(const Words& words, bool json);

// The parser's error in words: for an unknown option, the option of the
// command named (of any command, where none is) nearest to it as typed, when
// one is near enough to be the one meant.
QString parseErrorText(const QCommandLineParser& parser);

// A window's field that did not read, in the command line's terms: the
// option that gave its text and that text. Empty for a fault of no field an
// option fills, which keeps the window's own words.
QString fieldFaultText(const HandlerFault& fault, const QCommandLineParser& parser,
                       const ParsedCommand& command);

}  // namespace querlin::cli
