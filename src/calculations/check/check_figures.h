#pragma once

#include <QJsonObject>
#include <QLocale>
#include <QStringList>
#include <span>

#include "check/dipole_check.h"
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

// How a figure is named, read off what the engine found and shown: the
// check's figures, and the build's (build/build_figures.h).
template <typename Figures, typename Id>
struct FormOf {
    Id id;
    const char* key;  // its JSON key, and its name on a line of the command
    double (*of)(const Figures&);
    int decimals;
    const char* unit;   // empty for a ratio
    const char* label;  // what it is, in words for a person
};
using FigureForm = FormOf<DipoleCheck, FigureId>;

const FigureForm& formOf(FigureId id);

// Whether the model has loss, and so an efficiency.
enum class Loss { Lossless, Lossy };
Loss lossOf(const nec::ModelOptions& options);

// Why the figures of that design may be less accurate than the model's
// otherwise are; empty when they are not.
QString accuracyNote(const nec::LoadedDipole& dipole, const nec::ModelOptions& options);

// The forms of the figures a check with or without loss gives, in order.
std::span<const FigureForm> figureForms(Loss loss);
QStringList figureKeys(Loss loss);

// A figure as a line or a CSV field shows it, in that locale, with its unit
// when one is asked for: "7.1968 MHz"; "none" where the check found none.
enum class UnitShown { Without, With };
QString figureText(double value, int decimals, const char* unit, const QLocale& locale,
                   UnitShown shown);
template <typename Figures, typename Id>
QString figureText(const FormOf<Figures, Id>& form, const Figures& figures, const QLocale& locale,
                   UnitShown unit) {
    return figureText(form.of(figures), form.decimals, form.unit, locale, unit);
}

// A figure as a JSON number, null for none.
void insertFigure(QJsonObject& object, const char* key, double value);
template <typename Figures, typename Id>
void insertFigures(QJsonObject& object, const Figures& figures,
                   std::span<const FormOf<Figures, Id>> forms) {
    for (const FormOf<Figures, Id>& form : forms) {
        insertFigure(object, form.key, form.of(figures));
    }
}

// The check's figures as JSON numbers, null for none.
void insertFigures(QJsonObject& object, const DipoleCheck& check, Loss loss);

}  // namespace querlin::check
