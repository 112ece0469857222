#pragma once

#include <QCommandLineParser>
#include <QString>
#include <optional>
#include <variant>

#include "design/designs.h"
#include "model_commands.h"
#include "positions/position_sweep.h"

namespace querlin::cli {

// What each command takes, as the words give it: texts, read in the
// request's locale when the command runs.

struct DipoleRequest {
    Antenna antenna;
};

struct MatchRequest {
    Antenna antenna;
    QString feedline;
};

struct CoilRequest {
    Coil coil;
    bool details = false;
    std::optional<QString> frequency;  // of the coil's details
};

struct NecRequest {
    Antenna antenna;
    ModelWords model;
    QString output;  // the deck's file; standard output when empty
};

// The model and the feed line of a check, and the loading coil to wind.
struct CheckWords {
    ModelWords model;
    QString feedline;
    std::optional<LoadingCoil> loadingCoil;
};

struct CheckRequest {
    Antenna antenna;
    CheckWords check;
    QString touchstone;  // the model's sweep as a Touchstone file; none when empty
};

struct SweepRequest {
    Antenna antenna;
    std::optional<CheckWords> check;  // with the engine's figures
    QString plot;                     // the picture's file, for a sweep drawn
    std::optional<int> worked;        // the position it marks, per cent
};

// What to build: at the position given, at every position, or at the best.
struct BuildRequest {
    enum class Where { Given, Sweep, Best };
    Antenna antenna;
    CheckWords check;
    Where where = Where::Given;
    QString touchstone;         // the build's sweep as a Touchstone file; none when empty
    QString plot;               // the picture's file, for the sweep drawn
    std::optional<int> worked;  // the position it marks, per cent
};

// A measured sweep, with or without the design to compare it with.
struct MeasuredRequest {
    QString file;
    QString feedline;
    std::optional<QString> frequency;  // without the design: the resonance is the nearest
    std::optional<Antenna> antenna;    // the design
    ModelWords model;
    QString loadInductance;           // of each coil as built, µH; the design's when empty
    QString plot;                     // the picture's file, for the sweep drawn
    std::optional<LoadingCoil> coil;  // the former the coils are wound on, for their turns
};

using Request = std::variant<DipoleRequest, MatchRequest, CoilRequest, NecRequest, CheckRequest,
                             SweepRequest, BuildRequest, MeasuredRequest>;

// A command with its inputs, and how its results are written.
struct Command {
    Request request;
    bool json = false;
    bool locale = false;
};

// The name of every command.
QStringList commandNames();

// Every option a command takes, those it needs first; none for a name that
// is no command.
QStringList commandOptions(const QString& command);

// The command the parsed words make. The switches --help, --version and
// --batch are the caller's business; words that make no command throw a
// usage Fault.
Command commandOf(const QCommandLineParser& parser);

}  // namespace querlin::cli
