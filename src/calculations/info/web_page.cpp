#include "info/web_page.h"

#include <QCoreApplication>

#include "handler_fault.h"

namespace querlin {

const char kWebPageAddress[] = QUERLIN_WEB_PAGE;

QUrl webPageUrl(const char* address) {
    return QUrl(QString::fromLatin1(address) + QLatin1Char('/'), QUrl::StrictMode);
}

void openWebPage(const UrlOpener& open, const char* address) {
    if (!open(webPageUrl(address))) {
        throw HandlerFault({.kind = FaultKind::ControlAccess,
                            .where = QCoreApplication::translate("Web", "opening the web page")});
    }
}

}  // namespace querlin
