#pragma once

#include "support/memory_fields.h"

namespace querlin::testing {

// The main window's controls that its handlers touch, with their initial texts.
inline MemoryFields initialMainWindow(const QLocale& locale = QLocale::c()) {
    MemoryFields fields(locale);
    fields.texts = {{"Text1", "99"},      {"Text5", "00.0"},  {"Text6", "00.0"},
                    {"Text10", "00.0"},   {"Text11", "FEET"}, {"Text14", ".00"},
                    {"Text15", "INCHES"}, {"Text17", "00"},   {"Text20", "00"},
                    {"Text22", "FEET"},   {"Text24", "00.0"}, {"Text27", "00"}};
    fields.values = {{"HScroll1", 1}};
    fields.selected = {{"Option1", false}, {"Option2", true}};
    fields.lefts = {{"Picture2", 2.1F}, {"Picture3", 517.9F}};
    return fields;
}

// The main window with an antenna typed in.
inline MemoryFields mainWindowWith(const QString& frequency, const QString& length,
                                   const QString& element, int slider, bool metric = false) {
    MemoryFields fields = initialMainWindow();
    fields.texts["Text5"] = frequency;
    fields.texts["Text6"] = length;
    fields.texts["Text14"] = element;
    fields.values["HScroll1"] = slider;
    fields.selected["Option1"] = metric;
    fields.selected["Option2"] = !metric;
    return fields;
}

}  // namespace querlin::testing
