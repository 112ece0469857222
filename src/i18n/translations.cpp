#include "translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace querlin {

namespace {

// A translator owned by the application, installed when its file loads.
bool install(const QLocale& locale, const QString& name, const QString& folder) {
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (!translator->load(locale, name, QStringLiteral("_"), folder)) {
        delete translator;
        return false;
    }
    QCoreApplication::installTranslator(translator);
    return true;
}

}  // namespace

bool speaksEnglish(const QLocale& locale) {
    const QStringList languages = locale.uiLanguages();
    if (languages.isEmpty()) {
        return true;
    }
    const QString& first = languages.front();
    return first == u"C" || first.startsWith(u"en");
}

void installTranslations(const QLocale& locale) {
    if (speaksEnglish(locale)) {
        return;
    }
    // Qt's dialogs and menus speak QUERLIN's language, not one it lacks.
    if (install(locale, QStringLiteral("querlin"), QStringLiteral(":/i18n"))) {
        install(locale, QStringLiteral("qtbase"),
                QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    }
}

}  // namespace querlin
