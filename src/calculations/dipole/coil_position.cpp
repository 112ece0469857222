#include "dipole/coil_position.h"

#include <algorithm>

#include "calculation.h"
#include "dipole/main_window_fields.h"

namespace querlin {

std::optional<int> sliderValueForTyped(QStringView text) {
    const QStringView digits = text.trimmed();
    const bool allDigits =
        !digits.isEmpty() &&
        std::all_of(digits.begin(), digits.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
    bool read = false;
    const int percentage = allDigits ? digits.toInt(&read) : 0;
    if (!read || percentage < kFirstPosition || percentage > kLastPosition) {
        return std::nullopt;
    }
    return sliderValueFor(percentage);
}

Real leftCoilSymbol(int sliderValue) {
    return sliderValue * 2.1;
}

Real rightCoilSymbol(int sliderValue) {
    return 520 - sliderValue * 2.1;
}

void showCoilPosition(Fields& fields, DipoleVariables& v) {
    Calculation c(fields);

    int slider = c.value(mainfields::slider);
    c.step(1, QT_TRANSLATE_NOOP("Calculation", "the coil position"));
    c.writeInteger(mainfields::percentage, c.integer16(coilPercentage(slider)));

    slider = c.value(mainfields::slider);
    c.step(2, QT_TRANSLATE_NOOP("Calculation", "the position of the left coil"));
    Single left;
    left = c.checked(leftCoilSymbol(slider));
    c.setLeft(mainfields::leftCoil, left);

    slider = c.value(mainfields::slider);
    c.step(3, QT_TRANSLATE_NOOP("Calculation", "the position of the right coil"));
    Single right;
    right = c.checked(rightCoilSymbol(slider));
    c.setLeft(mainfields::rightCoil, right);

    v.freq = c.read(mainfields::frequency);
    v.lth = c.read(mainfields::totalLength);
}

}  // namespace querlin
