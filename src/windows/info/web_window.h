#pragma once

#include <QWidget>

#include "info/web_page.h"

class QLabel;

namespace querlin {

// The web page link window, web: two explanatory labels and the link label
// lblWebPage, whose Click opens the author's web page.
class WebWindow : public QWidget {
    Q_OBJECT

  public:
    // The link opens the page in the user's default browser.
    explicit WebWindow(QWidget* parent = nullptr);
    // The link shows the given address and hands it to the given opener instead.
    explicit WebWindow(UrlOpener open, const char* address = kWebPageAddress,
                       QWidget* parent = nullptr);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void showWholeAddress();

    UrlOpener open_;
    const char* address_;
    QLabel* link_;
    bool pressedOnLink_ = false;
};

}  // namespace querlin
