#pragma once

#include <QLocale>

namespace querlin {

// Installs the program's texts in the first of the locale's interface
// languages that QUERLIN has, and Qt's own texts of its standard dialogs and
// menus in that language where the system has them. An English desktop, or a
// language without a translation, keeps the English the sources are written
// in, and for English nothing is loaded at all. Numbers are not touched: they
// are read and written in the locale as before.
void installTranslations(const QLocale& locale = QLocale());

// Whether the locale's first interface language is English (or the C locale),
// in which QUERLIN speaks as written.
bool speaksEnglish(const QLocale& locale);

}  // namespace querlin
