#include "dipole/main_window_in_memory.h"

#include "dipole/coil_position.h"
#include "dipole/main_window_fields.h"

namespace querlin {

namespace {

QString name(const char* control) {
    return QString::fromLatin1(control);
}

}  // namespace

MemoryFields initialMainWindow(const QLocale& locale) {
    using namespace mainfields;
    MemoryFields fields(initialTexts, locale);
    fields.values = {{name(slider), kSliderMinimum}};
    fields.selected = {{name(metric), false}, {name(feet), true}};
    Single left;
    left = leftCoilSymbol(kSliderMinimum);
    Single right;
    right = rightCoilSymbol(kSliderMinimum);
    fields.lefts = {{name(leftCoil), left.value()}, {name(rightCoil), right.value()}};
    return fields;
}

MemoryFields mainWindowWith(const QString& frequency, const QString& length, const QString& element,
                            int slider, bool metric, const QLocale& locale) {
    using namespace mainfields;
    MemoryFields fields = initialMainWindow(locale);
    fields.texts[name(mainfields::frequency.name)] = frequency;
    fields.texts[name(totalLength.name)] = length;
    fields.texts[name(elementSize.name)] = element;
    fields.values[name(mainfields::slider)] = slider;
    fields.selected[name(mainfields::metric)] = metric;
    fields.selected[name(feet)] = !metric;
    return fields;
}

}  // namespace querlin
