#pragma once

#include <QStringView>
#include <optional>

#include "dipole/dipole_variables.h"
#include "fields.h"

namespace querlin {

// The slider's range; it stands at its minimum when the window opens.
inline constexpr int kSliderMinimum = 1;
inline constexpr int kSliderMaximum = 99;

// The slider's value v puts each coil at 100 - v percent of the half-length
// from the centre, the percentage the window shows beside it. The relation is
// its own inverse: the slider value for a percentage is the same expression.
constexpr int coilPercentage(int sliderValue) {
    return 100 - sliderValue;
}
constexpr int sliderValueFor(int percentage) {
    return coilPercentage(percentage);
}

// The first and last position a coil can take, as percentages.
inline constexpr int kFirstPosition = coilPercentage(kSliderMaximum);
inline constexpr int kLastPosition = coilPercentage(kSliderMinimum);

// The slider value for a position typed as a percentage: a whole number of
// per cent from the first position to the last, in decimal digits, blanks
// around it allowed; none for any other text.
std::optional<int> sliderValueForTyped(QStringView text);

// Where the coil symbols stand on the antenna drawing for a slider value, in
// the drawing's pixels: they move 2.1 pixels per unit, symmetrically.
Real leftCoilSymbol(int sliderValue);
Real rightCoilSymbol(int sliderValue);

// The slider's Change: shows the coil position as a percentage of the
// half-length, moves the two coil symbols, and stores the frequency and length
// fields, as typed, in freq and lth. Throws HandlerFault.
void showCoilPosition(Fields& fields, DipoleVariables& v);

}  // namespace querlin
