#include "info/web_window.h"

#include <QCursor>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QScreen>

#include "bitmap.h"
#include "fault_report.h"
#include "info/web_window_fields.h"
#include "info/web_window_table.h"
#include "link_label.h"
#include "required_control.h"
#include "window_builder.h"

namespace querlin {

WebWindow::WebWindow(QWidget* parent)
    : WebWindow(&QDesktopServices::openUrl, kWebPageAddress, parent) {}

WebWindow::WebWindow(UrlOpener open, const char* address, QWidget* parent)
    : QWidget(parent), open_(std::move(open)), address_(address) {
    buildWindow(this, webWindowDescription());
    buildControls(this, webWindowControls());
    nameControls(this, webWindowCaptions());
    const QPoint screenOrigin = QGuiApplication::primaryScreen()->geometry().topLeft();
    const QPoint stored = webWindowPosition();
    setGeometry(
        QRect(screenOrigin + QPoint(twipsToPixels(stored.x()), twipsToPixels(stored.y())), size()));

    link_ = requiredControl<LinkLabel>(this, webfields::link);
    link_->setText(QString::fromLatin1(address_));
    showWholeAddress();
    link_->setCursor(QCursor(bitmap(kHandCursor), kHandHotSpot.x(), kHandHotSpot.y()));
    connect(link_, &LinkLabel::activated, this,
            [this] { runHandler(this, [this] { openWebPage(open_, address_); }); });
}

// The stored width holds the author's own address on one line. A longer
// configured one widens the link rather than wrap or cut it, and widens the
// window too, as much again as the link's left margin, when it would pass the
// window's edge.
void WebWindow::showWholeAddress() {
    link_->setWordWrap(false);
    const int needed = link_->sizeHint().width();
    if (needed <= link_->width()) {
        return;
    }
    link_->resize(needed, link_->height());
    if (link_->x() + needed > width()) {
        const int wider = link_->x() + needed + link_->x();
        const int shift = (wider - width()) / 2;
        setFixedWidth(wider);
        // The explanations stay centred above the link.
        for (const char* name : {webfields::explanation, webfields::instruction}) {
            QWidget* label = requiredControl(this, name);
            label->move(label->x() + shift, label->y());
        }
    }
}

}  // namespace querlin
