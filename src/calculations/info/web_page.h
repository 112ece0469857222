#pragma once

#include <QUrl>
#include <functional>

namespace querlin {

// The author's web page as the link shows it, without a closing slash. It is
// set when the program is configured (QUERLIN_WEB_PAGE).
extern const char kWebPageAddress[];

// What the link opens: the address with one closing slash.
QUrl webPageUrl(const char* address = kWebPageAddress);

// Hands an address to the user's default browser; false when it could not.
using UrlOpener = std::function<bool(const QUrl&)>;

// The link's Click: asks the opener once for the web page and returns at once.
// An opener that fails ends the handler with a ControlAccess fault.
void openWebPage(const UrlOpener& open, const char* address = kWebPageAddress);

}  // namespace querlin
