#include "info/web_window.h"

#include <QCursor>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>
#include <QScreen>
#include <array>

#include "app/fault_report.h"
#include "app/window_builder.h"

namespace querlin {

namespace {

using enum ControlKind;
using namespace fonts;

constexpr WindowSpec kWindow{"web", "Web Page Link", 3315, 1845, false, false, colours::buttonFace};

// Where the client area's top left corner stands on the screen when it opens.
constexpr int kClientLeft = 2130;
constexpr int kClientTop = 1695;

constexpr Look kText{false, colours::standard, colours::standard};
constexpr Look kLink{false, colours::standard, Colour::bgr(0x00FF0000)};
constexpr Font kLinkFont{8.25, false, false, true};

constexpr Qt::Alignment kCentred = Qt::AlignHCenter | Qt::AlignTop;
constexpr Qt::Alignment kLeft = Qt::AlignLeft | Qt::AlignTop;

constexpr const char* kWhere = "The link will be opened in your default browser.";
constexpr const char* kWhat = "Click Link Below to ";
constexpr const char* kAddress = kWebPageAddress;

constexpr std::array<ControlSpec, 3> kControls{{
    {"Label1", Label, {525, 75, 2265, 390}, kWhere, kText, R8, 0, nullptr, kCentred},
    {"Label2", Label, {450, 750, 2490, 345}, kWhat, kText, R8, 1, nullptr, kCentred},
    {"lblWebPage", Label, {525, 1335, 2205, 255}, kAddress, kLink, kLinkFont, 2, nullptr, kLeft},
}};

// The pointing hand over the link, its hot spot at the tip of the raised finger.
constexpr int kHandHotX = 13;
constexpr int kHandHotY = 9;

}  // namespace

WebWindow::WebWindow(QWidget* parent) : WebWindow(&QDesktopServices::openUrl, parent) {}

WebWindow::WebWindow(UrlOpener open, QWidget* parent) : QWidget(parent), open_(std::move(open)) {
    buildWindow(this, kWindow);
    buildControls(this, kControls);
    const QPoint screenOrigin = QGuiApplication::primaryScreen()->geometry().topLeft();
    setGeometry(QRect(screenOrigin + QPoint(twipsToPixels(kClientLeft), twipsToPixels(kClientTop)),
                      size()));

    link_ = findChild<QLabel*>(QStringLiteral("lblWebPage"));
    showWholeAddress();
    link_->setCursor(QCursor(QPixmap(QStringLiteral(":/assets/hand.png")), kHandHotX, kHandHotY));
    link_->installEventFilter(this);
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
        for (const char* name : {"Label1", "Label2"}) {
            QWidget* label = findChild<QWidget*>(QString::fromLatin1(name));
            label->move(label->x() + shift, label->y());
        }
    }
}

// A Click is a left-button press on the link and its release over the link.
bool WebWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched != link_) {
        return QWidget::eventFilter(watched, event);
    }
    if (event->type() == QEvent::MouseButtonPress) {
        pressedOnLink_ = static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton;
    } else if (event->type() == QEvent::MouseButtonRelease) {
        const auto* release = static_cast<QMouseEvent*>(event);
        const bool click = pressedOnLink_ && release->button() == Qt::LeftButton &&
                           link_->rect().contains(release->position().toPoint());
        pressedOnLink_ = false;
        if (click) {
            runHandler(this, [this] { openWebPage(open_); });
        }
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace querlin
