#pragma once

#include <QWidget>

#include "info/web_page.h"

namespace querlin {

class LinkLabel;

// The web page link window, web: two explanatory labels and the link label
// lblWebPage, which opens the author's web page when clicked, or pressed with
// Return or Space.
class WebWindow : public QWidget {
    Q_OBJECT

  public:
    // The link opens the page in the user's default browser.
    explicit WebWindow(QWidget* parent = nullptr);
    // The link shows the given address and hands it to the given opener instead.
    explicit WebWindow(UrlOpener open, const char* address = kWebPageAddress,
                       QWidget* parent = nullptr);

  private:
    void showWholeAddress();

    UrlOpener open_;
    const char* address_;
    LinkLabel* link_;
};

}  // namespace querlin
