#pragma once

#include <QLocale>
#include <QStringList>

#include "build/build.h"
#include "check/check_figures.h"
#include "design/designs.h"
#include "figures/figure.h"
#include "positions/position_sweep.h"

namespace querlin {

// The keys of the wound coil's turns and Q.
inline constexpr const char* kCoilTurns = "coil_turns";
inline constexpr const char* kCoilQ = "coil_q";

// The keys of the loading coil's turns as wound by Nagaoka's coefficient, as
// build winds it, and whether they fit: check's alone.
inline constexpr const char* kCoilWoundTurns = "coil_wound_turns";
inline constexpr const char* kCoilWoundFits = "coil_wound_fits";
inline constexpr FigureForm kCoilActsAs{"coil_acts_as", 3, "uH"};

// Why the engine's figures for a row are rougher than the model's usual,
// and, where its coils are modelled as pure inductances, how far a coil as
// wound would act as more: the last two lines of check and build.
inline constexpr const char* kNote = "note";
inline constexpr const char* kWindingNote = "winding_note";

// The texts of a model's design, with the wound coil's turns and Q.
Results modelTexts(const DesignRow& row, const Results& texts);

// What every build of a request takes: the design's inputs, the line and the
// coils' loss. The build winds its own coils, for the inductance it finds,
// not the formula's as check winds them.
struct BuildInputs {
    ModelInputs inputs;
    double feedline = 0;
    build::CoilLoss loss;
    check::Loss kind = check::Loss::Lossless;
    bool wound = false;
    bool metric = false;  // the cut list in metres, not feet
};

// The lines querlin-calc check prints for the checked row: the design's
// texts, the engine's figures, how the antenna hangs and the notes, each
// after its key.
QStringList checkLines(const DesignRow& row, bool metric, const QLocale& locale);

// The lines querlin-calc build prints for the row's build: the design's
// texts, the build's figures, its coils as wound, the cut list, where no
// shunt coil matches why, and the notes.
QStringList buildLines(const DesignRow& row, const build::DipoleBuild& build,
                       const BuildInputs& inputs, const QLocale& locale);

// The note and the winding note of the row, the lines that have a text.
QStringList noteLines(const DesignRow& row, const QLocale& locale);

}  // namespace querlin
