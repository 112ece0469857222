#include <QApplication>
#include <QHash>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QStyleOptionSlider>
#include <QtTest>
#include <functional>
#include <vector>

#include "app/application.h"
#include "coil/coil_window_fields.h"
#include "dipole/main_window.h"
#include "dipole/main_window_fields.h"
#include "info/web_window.h"
#include "info/web_window_fields.h"
#include "support/widget_lookup.h"

using namespace querlin;
using namespace querlin::testing;

namespace {

// How long a held mouse button stays down: past the scroll bar's first
// auto-repeat, which comes 500 ms after the press.
constexpr int kHoldMs = 600;
constexpr int kAutoRepeats = 3;

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

// Mouse and keys go to the control's window as the desktop delivers them, so
// that a window blocked by its report takes none of them.
QWindow* windowOf(QWidget* control) {
    return control->window()->windowHandle();
}

QPoint inWindow(QWidget* control, QPoint point) {
    return control->mapTo(control->window(), point);
}

void press(QWidget* control, QPoint point) {
    QTest::mousePress(windowOf(control), Qt::LeftButton, {}, inWindow(control, point));
}

void release(QWidget* control, QPoint point) {
    QTest::mouseRelease(windowOf(control), Qt::LeftButton, {}, inWindow(control, point));
}

void holdMouse(QWidget* control, QPoint point) {
    press(control, point);
    QTest::qWait(kHoldMs);
    release(control, point);
}

// A key held down: its press, the desktop's auto-repeated presses, its release.
void autoRepeat(QWidget* control, Qt::Key key) {
    const char ascii = QTest::keyToAscii(key);
    const QString text = ascii != 0 ? QString(QLatin1Char(ascii)) : QString();
    for (int i = 0; i < kAutoRepeats; ++i) {
        QTest::simulateEvent(windowOf(control), true, key, {}, text, true);
    }
}

void holdKey(QWidget* control, Qt::Key key) {
    QTest::keyPress(windowOf(control), key);
    autoRepeat(control, key);
    QTest::keyRelease(windowOf(control), key);
}

void wheelNotch(QWidget* control) {
    QWindow* window = windowOf(control);
    const QPointF at = inWindow(control, control->rect().center());
    QWheelEvent event(at, window->mapToGlobal(at), {}, {0, -120}, Qt::NoButton, {},
                      Qt::NoScrollPhase, false);
    QSpontaneKeyEvent::setSpontaneous(&event);
    QCoreApplication::sendEvent(window, &event);
}

// Where a part of the scroll bar lies, as its style draws it now.
QPoint partOf(QScrollBar* bar, QStyle::SubControl part) {
    QStyleOptionSlider option;
    option.initFrom(bar);
    option.orientation = Qt::Horizontal;
    option.state |= QStyle::State_Horizontal;
    option.minimum = bar->minimum();
    option.maximum = bar->maximum();
    option.sliderPosition = bar->sliderPosition();
    option.sliderValue = bar->value();
    option.singleStep = bar->singleStep();
    option.pageStep = bar->pageStep();
    return bar->style()->subControlRect(QStyle::CC_ScrollBar, &option, part, bar).center();
}

// A gesture on the slider in two halves, between which the user answers a
// report with OK while the button or key is still held.
struct Gesture {
    const char* name;
    std::function<void(QScrollBar*)> begin;
    std::function<void(QScrollBar*)> end;
    int value;  // where the slider stops, from 51
};

const std::vector<Gesture>& sliderGestures() {
    const auto mouse = [](const char* name, QStyle::SubControl part, int value) {
        return Gesture{name,
                       [part](QScrollBar* bar) {
                           press(bar, partOf(bar, part));
                           QTest::qWait(kHoldMs);
                       },
                       [part](QScrollBar* bar) {
                           QTest::qWait(kHoldMs / 2);
                           release(bar, partOf(bar, part));
                       },
                       value};
    };
    const auto key = [](const char* name, Qt::Key key, int value) {
        return Gesture{name,
                       [key](QScrollBar* bar) {
                           QTest::keyPress(windowOf(bar), key);
                           autoRepeat(bar, key);
                       },
                       [key](QScrollBar* bar) {
                           autoRepeat(bar, key);
                           QTest::keyRelease(windowOf(bar), key);
                       },
                       value};
    };
    static const std::vector<Gesture> gestures{
        mouse("right arrow held", QStyle::SC_ScrollBarAddLine, 52),
        mouse("left arrow held", QStyle::SC_ScrollBarSubLine, 50),
        mouse("track right of the thumb held", QStyle::SC_ScrollBarAddPage, 61),
        mouse("track left of the thumb held", QStyle::SC_ScrollBarSubPage, 41),
        {"thumb dragged to the right end",
         [](QScrollBar* bar) {
             const QPoint thumb = partOf(bar, QStyle::SC_ScrollBarSlider);
             press(bar, thumb);
             for (int x = thumb.x(); x < bar->width(); x += 20) {
                 QTest::mouseMove(windowOf(bar), inWindow(bar, {x, thumb.y()}));
             }
             QTest::mouseMove(windowOf(bar), inWindow(bar, {bar->width() - 1, thumb.y()}));
         },
         [](QScrollBar* bar) {
             release(bar, {bar->width() - 1, bar->height() / 2});
         },
         99},
        key("Right held", Qt::Key_Right, 52),
        key("Left held", Qt::Key_Left, 50),
        key("Page Down held", Qt::Key_PageDown, 61),
        key("Page Up held", Qt::Key_PageUp, 41),
        key("Home held", Qt::Key_Home, 1),
        key("End held", Qt::Key_End, 99),
        {"wheel notch", wheelNotch, [](QScrollBar*) {}, 54},
    };
    return gestures;
}

}  // namespace

// One action that runs a handler opens at most one fault report, however long
// its mouse button or key is held, and leaves no control pressed behind it.
class OneReportTest : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        app_ = std::make_unique<Application>();
        main()->show();
        QVERIFY(QTest::qWaitForWindowExposed(main()));
    }
    void cleanup() {
        dismissFaultReports(main());
        app_.reset();
    }

    void sliderStopsAtTheFaultingStep_data() {
        QTest::addColumn<int>("gesture");
        for (std::size_t i = 0; i < sliderGestures().size(); ++i) {
            QTest::newRow(sliderGestures()[i].name) << static_cast<int>(i);
        }
    }

    void sliderStopsAtTheFaultingStep() {
        QFETCH(int, gesture);
        const Gesture& move = sliderGestures()[static_cast<std::size_t>(gesture)];
        auto* bar = control<QScrollBar>(main(), mainfields::slider);
        QCOMPARE(main()->focusWidget(), bar);  // the first control that takes the focus
        for (int i = 0; i < 5; ++i) {
            QTest::keyClick(windowOf(bar), Qt::Key_PageDown);
        }
        QCOMPARE(bar->value(), 51);
        control<QLineEdit>(main(), mainfields::frequency.name)->clear();
        const ReportCounter reports;

        move.begin(bar);
        dismissFaultReports(main());
        move.end(bar);
        QCOMPARE(reports.of(main()), 1);
        QCOMPARE(bar->value(), move.value);
        // The display moved with the value before the handler faulted.
        QCOMPARE(text(main(), mainfields::percentage), QString::number(100 - move.value));
        QVERIFY(!bar->isSliderDown());
        dismissFaultReports(main());

        // The scroll bar is not left pressed: a click moves it one step as before.
        type(main(), mainfields::frequency.name, QStringLiteral("7.1"));
        const bool atRightEnd = move.value == bar->maximum();
        const QPoint arrow =
            partOf(bar, atRightEnd ? QStyle::SC_ScrollBarSubLine : QStyle::SC_ScrollBarAddLine);
        press(bar, arrow);
        release(bar, arrow);
        QCOMPARE(bar->value(), move.value + (atRightEnd ? -1 : 1));
        QCOMPARE(reports.of(main()), 1);
    }

    void buttonsReportOncePerAction_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("emptied");
        QTest::addColumn<bool>("bySpace");
        const auto row = [](const char* name, const char* window, const char* button,
                            const char* emptied, bool bySpace) {
            QTest::newRow(name) << QString::fromLatin1(window) << QString::fromLatin1(button)
                                << QString::fromLatin1(emptied) << bySpace;
        };
        row("upper CALCULATE, mouse held", "Form1", mainfields::loadingCalculate, "", false);
        row("upper CALCULATE, Space held", "Form1", mainfields::loadingCalculate, "", true);
        row("lower CALCULATE, mouse held", "Form1", mainfields::matchingCalculate,
            mainfields::feedlineImpedance.name, false);
        row("coil CALCULATE, mouse held", "Form2", coilfields::calculate, "", false);
        row("coil CALCULATE, Space held", "Form2", coilfields::calculate, "", true);
    }

    void buttonsReportOncePerAction() {
        QFETCH(QString, window);
        QFETCH(QString, button);
        QFETCH(QString, emptied);
        QFETCH(bool, bySpace);
        QWidget* shown = window == u"Form2" ? openCoilWindow() : main();
        if (!emptied.isEmpty()) {
            control<QLineEdit>(shown, qPrintable(emptied))->clear();
        }
        auto* pressed = control<QPushButton>(shown, qPrintable(button));
        pressed->setFocus();
        const ReportCounter reports;
        for (int action = 1; action <= 2; ++action) {
            if (bySpace) {
                holdKey(pressed, Qt::Key_Space);
            } else {
                holdMouse(pressed, pressed->rect().center());
            }
            QCOMPARE(reports.of(shown), action);
            QVERIFY(!pressed->isDown());
            dismissFaultReports(shown);
        }
    }

    // Space holds CALCULATE down when the slider's report blocks the window:
    // the button lets go without a click, and Space coming up after OK does
    // nothing.
    void aHeldButtonLetsGoWhenAReportOpens() {
        control<QLineEdit>(main(), mainfields::frequency.name)->clear();
        auto* calculate = control<QPushButton>(main(), mainfields::loadingCalculate);
        calculate->setFocus();
        const ReportCounter reports;
        QTest::keyPress(windowOf(calculate), Qt::Key_Space);
        wheelNotch(control(main(), mainfields::slider));
        QCOMPARE(reports.of(main()), 1);
        QVERIFY(!calculate->isDown());
        dismissFaultReports(main());
        QTest::keyRelease(windowOf(calculate), Qt::Key_Space);
        QCOMPARE(reports.of(main()), 1);
    }

    void heldLinkReportsOnce() {
        WebWindow web([](const QUrl&) { return false; });
        web.show();
        QVERIFY(QTest::qWaitForWindowExposed(&web));
        auto* link = control<QLabel>(&web, webfields::link);
        const ReportCounter reports;
        holdMouse(link, link->rect().center());
        QCOMPARE(reports.of(&web), 1);
    }

    // A window blocked by its own report takes no input; the others go on,
    // each with a report of its own.
    void eachWindowHasItsOwnReport() {
        QWidget* coil = openCoilWindow();
        auto* calculate = control<QPushButton>(coil, coilfields::calculate);
        const ReportCounter reports;
        holdMouse(calculate, calculate->rect().center());
        QCOMPARE(reports.of(coil), 1);

        control<QLineEdit>(main(), mainfields::frequency.name)->clear();
        auto* bar = control<QScrollBar>(main(), mainfields::slider);
        holdMouse(bar, partOf(bar, QStyle::SC_ScrollBarAddLine));
        QCOMPARE(reports.of(main()), 1);
        QCOMPARE(bar->value(), 2);

        holdMouse(calculate, calculate->rect().center());
        holdKey(calculate, Qt::Key_Space);
        QCOMPARE(reports.of(coil), 1);
    }

  private:
    QWidget* main() { return &app_->mainWindow(); }

    QWidget* openCoilWindow() {
        auto* button = control<QPushButton>(main(), mainfields::designCoil);
        press(button, button->rect().center());
        release(button, button->rect().center());
        QWidget* coil = app_->coilWindow().window();
        if (coil == nullptr || !QTest::qWaitForWindowExposed(coil)) {
            qFatal("DESIGN COIL opened no coil window");
        }
        return coil;
    }

    std::unique_ptr<Application> app_;
};

QTEST_MAIN(OneReportTest)
#include "one_report_test.moc"
