#include "info/web_page.h"

#include "numeric/handler_fault.h"

namespace querlin {

const char kWebPageAddress[] = QUERLIN_WEB_PAGE;

QUrl webPageUrl() {
    return QUrl(QString::fromLatin1(kWebPageAddress) + QLatin1Char('/'), QUrl::StrictMode);
}

void openWebPage(const UrlOpener& open) {
    if (!open(webPageUrl())) {
        throw HandlerFault{.kind = FaultKind::ControlAccess,
                           .where = QStringLiteral("opening the web page")};
    }
}

}  // namespace querlin
