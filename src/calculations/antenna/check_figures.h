#pragma once

#include <QJsonObject>
#include <QLocale>
#include <QStringList>
#include <span>

#include "antenna/dipole_check.h"
#include "antenna/nec_model.h"

namespace querlin::antenna {

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

// How a figure is named, read off a check and shown.
struct FigureForm {
    FigureId id;
    const char* key;  // its JSON key, and its name on a line of check
    double (*of)(const DipoleCheck&);
    int decimals;
    const char* unit;   // empty for a ratio
    const char* label;  // what it is, in words for a person
};

const FigureForm& formOf(FigureId id);

// Whether the model has loss, and so an efficiency.
enum class Loss { Lossless, Lossy };
Loss lossOf(const ModelOptions& options);

// The forms of the figures a check with or without loss gives, in order.
std::span<const FigureForm> figureForms(Loss loss);
QStringList figureKeys(Loss loss);

// A figure as a line or a CSV field shows it, in that locale, with its unit
// when one is asked for: "7.1968 MHz"; "none" where the check found none.
enum class UnitShown { Without, With };
QString figureText(const FigureForm& form, const DipoleCheck& check, const QLocale& locale,
                   UnitShown unit);

// The check's figures as JSON numbers, null for none.
void insertFigures(QJsonObject& object, const DipoleCheck& check, Loss loss);

}  // namespace querlin::antenna
