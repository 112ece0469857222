#pragma once

#include <QJsonObject>
#include <QLocale>
#include <QString>
#include <QStringList>
#include <span>
#include <vector>

#include "build/build.h"
#include "check/check_figures.h"

namespace querlin::build {

// The figures of a build, in the order they are printed.
enum class BuildFigureId {
    LoadInductance,
    ShuntInductance,
    Swr,
    Bandwidth,
    Resistance,
    Reactance,
    Efficiency,  // only with loss in the model: the last
};
using BuildFigureForm = check::FormOf<DipoleBuild, BuildFigureId>;

const BuildFigureForm& formOf(BuildFigureId id);
std::span<const BuildFigureForm> buildFigureForms(check::Loss loss);

// The figures of the coils as wound, in the order they are printed.
enum class WoundFigureId {
    LoadTurns,
    LoadWindingInductance,
    LoadQ,
    ShuntTurns,
    ShuntWindingInductance,
    ShuntQ,
    Rounds
};
using WoundFigureForm = check::FormOf<DipoleBuild, WoundFigureId>;
std::span<const WoundFigureForm> woundFigureForms();

// Whether each wound coil fits its former, under its key.
struct FitForm {
    const char* key;
    const std::optional<CoilWound> DipoleBuild::*coil;
};
std::span<const FitForm> fitForms();
// "yes", "no", or "none" without that coil.
QString fitText(const FitForm& form, const DipoleBuild& build);

// The keys of a build's figures, its coils' as wound and their fit, as the
// columns of a table.
QStringList buildKeys(check::Loss loss, bool wound);

// In words, where a shunt coil cannot match: why, with the SWR that remains;
// empty for a matched build.
inline constexpr const char* kNoMatch = "no_match";
QString noMatchText(const DipoleBuild& build, double feedline, double frequency,
                    const QLocale& locale);

// What to cut for each half, as the model lays it out, measured along the
// wire from the feed point in the user's unit (feet, or metres): the wire to
// the coil, the coil's stretch and the wire from the coil to the tip; for an
// inverted V over the ground, how high its tips hang.
std::vector<Figure> cutList(const nec::LoadedDipole& dipole, const nec::ModelOptions& options,
                            bool metric);
// The pieces' lengths to the millimetre, or to a hundredth of an inch.
inline constexpr int kCutDecimals = 3;
// The coils' inductances are printed to a nanohenry, as a builder winds them.
inline constexpr int kInductanceDecimals = 3;

// The build's figures as JSON: numbers, null for none, the fits as booleans.
void insertBuild(QJsonObject& object, const DipoleBuild& build, check::Loss loss, bool wound);

}  // namespace querlin::build
