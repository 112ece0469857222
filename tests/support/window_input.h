#pragma once

#include <QApplication>
#include <QHash>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QtTest>
#include <algorithm>

#include "dipole/main_window_fields.h"

namespace querlin::testing {

// A control of a window by its objectName; a missing one ends the test run.
template <typename T = QWidget>
T* control(QWidget* window, const char* name) {
    auto* found = window->findChild<T*>(QString::fromLatin1(name));
    if (found == nullptr) {
        qFatal("no control %s of the expected type", name);
    }
    return found;
}

// The text a box shows, single-line or multi-line.
inline QString shown(QWidget* window, const char* name) {
    QWidget* box = control(window, name);
    return box->property(qobject_cast<QLineEdit*>(box) != nullptr ? "text" : "plainText")
        .toString();
}

// Mouse and keys go to the control's window as the desktop delivers them, so
// that a window blocked by a report takes none of them.
inline QWindow* windowOf(QWidget* control) {
    return control->window()->windowHandle();
}

inline void press(QWidget* control, QPoint point) {
    QTest::mousePress(windowOf(control), Qt::LeftButton, {},
                      control->mapTo(control->window(), point));
}

inline void release(QWidget* control, QPoint point) {
    QTest::mouseRelease(windowOf(control), Qt::LeftButton, {},
                        control->mapTo(control->window(), point));
}

inline void click(QWidget* window, const char* name) {
    QWidget* target = control(window, name);
    press(target, target->rect().center());
    release(target, target->rect().center());
}

// The presses a desktop sends while a key is held, after the first.
inline void autoRepeat(QWidget* control, Qt::Key key, int times = 3) {
    const char ascii = QTest::keyToAscii(key);
    for (int i = 0; i < times; ++i) {
        QTest::simulateEvent(windowOf(control), true, key, {},
                             ascii != 0 ? QString(QLatin1Char(ascii)) : QString(), true);
    }
}

// Clicks into the box, selects what it holds and types the text over it.
inline void typeInto(QWidget* window, const char* name, const QString& text) {
    click(window, name);
    QTest::keyClick(windowOf(window), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(windowOf(window), Qt::Key_Delete);
    for (const QChar c : text) {
        QTest::keyClick(windowOf(window), c.toLatin1());
    }
}

// Moves the main window's slider to the value with its keys: Home takes it
// to 1, Page Down moves it 10, Right 1. From the percentage box the slider is
// one step back in the tab order.
inline void moveSlider(QWidget* window, int value) {
    click(window, mainfields::percentage);
    QTest::keyClick(windowOf(window), Qt::Key_Tab, Qt::ShiftModifier);
    QTest::keyClick(windowOf(window), Qt::Key_Home);
    for (int i = 0; i < (value - 1) / 10; ++i) {
        QTest::keyClick(windowOf(window), Qt::Key_PageDown);
    }
    for (int i = 0; i < (value - 1) % 10; ++i) {
        QTest::keyClick(windowOf(window), Qt::Key_Right);
    }
}

// The fault reports a window shows.
inline QList<QMessageBox*> faultReports(QWidget* window) {
    return window->findChildren<QMessageBox*>(QStringLiteral("faultReport"));
}

inline void dismissFaultReports(QWidget* window) {
    for (QMessageBox* report : faultReports(window)) {
        report->done(QMessageBox::Ok);
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Counts the fault reports each window opens, dismissed ones included.
class ReportCounter : public QObject {
  public:
    ReportCounter() { qApp->installEventFilter(this); }
    int of(QWidget* window) const { return opened_.value(window); }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show && watched->objectName() == u"faultReport") {
            ++opened_[static_cast<QWidget*>(watched)->parentWidget()];
        }
        return false;
    }

  private:
    QHash<QWidget*, int> opened_;
};

// Opens the control's context menu with the right button and clicks the entry.
inline void chooseFromMenuOf(QWidget* target, const QString& entry) {
    QWidget* window = target->window();
    const QPoint at = target->mapTo(window, target->rect().center());
    QTest::mousePress(window->windowHandle(), Qt::RightButton, {}, at);
    QTest::mouseRelease(window->windowHandle(), Qt::RightButton, {}, at);
    QTRY_VERIFY(qobject_cast<QMenu*>(QApplication::activePopupWidget()) != nullptr);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    QVERIFY(QTest::qWaitForWindowExposed(menu));
    const QList<QAction*> actions = menu->actions();
    const auto chosen = std::find_if(actions.begin(), actions.end(), [&](const QAction* action) {
        return action->text() == entry;
    });
    QVERIFY2(chosen != actions.end(), qPrintable(entry));
    QVERIFY((*chosen)->isEnabled());
    QTest::mouseClick(menu->windowHandle(), Qt::LeftButton, {},
                      menu->actionGeometry(*chosen).center());
}

}  // namespace querlin::testing
