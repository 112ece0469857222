#pragma once

#include <QJsonObject>
#include <QLocale>
#include <QStringList>
#include <span>

#include "check/dipole_check.h"
#include "figures/figure.h"
#include "nec/nec_model.h"

namespace querlin::check {

// The figures of a check, in the order they are printed.
enum class FigureId {
    Resonance,
    ResonanceError,
    Resistance,
    Reactance,
    ResonantInductance,
    Swr,
    SwrMatched,
    Bandwidth,
    Efficiency,  // only with loss in the model: the last
};

// A figure's form, and how it is read off what the engine found: the
// check's figures, and the build's (build/build_figures.h).
template <typename Figures, typename Id>
struct FormOf : FigureForm {
    Id id;
    double (*read)(const Figures&);

    Figure of(const Figures& figures) const { return {*this, read(figures)}; }
};
using FigureForm = FormOf<DipoleCheck, FigureId>;

const FigureForm& formOf(FigureId id);

// Whether the model has loss, and so an efficiency.
enum class Loss { Lossless, Lossy };
Loss lossOf(const nec::ModelOptions& options);

// Why the figures of that design may be less accurate than the model's
// otherwise are; empty when they are not.
QString accuracyNote(const nec::LoadedDipole& dipole, const nec::ModelOptions& options);

// Where the coils are modelled as pure inductances (no coil to wind given),
// what that leaves out: a coil as wound acts as more, its self-capacitance
// across its winding, and how much more a typical winding would at the
// design frequency. Empty where the coils are modelled as wound.
QString windingNote(const nec::LoadedDipole& dipole, const nec::ModelOptions& options,
                    const QLocale& locale);

// How the antenna hangs where it is an inverted V over the ground: the tips'
// height, in feet (metres with metric). None for a flat antenna, whose tips
// are as high as its feed point, or one in free space.
std::vector<Figure> hangingFigures(const nec::LoadedDipole& dipole,
                                   const nec::ModelOptions& options, bool metric);

// The forms of the figures a check with or without loss gives, in order.
std::span<const FigureForm> figureForms(Loss loss);
QStringList figureKeys(Loss loss);

// The figures as JSON numbers, null for none.
template <typename Figures, typename Id>
void insertFigures(QJsonObject& object, const Figures& figures,
                   std::span<const FormOf<Figures, Id>> forms) {
    for (const FormOf<Figures, Id>& form : forms) {
        insertFigure(object, form.of(figures));
    }
}

// The check's figures as JSON numbers, null for none.
void insertFigures(QJsonObject& object, const DipoleCheck& check, Loss loss);

}  // namespace querlin::check
