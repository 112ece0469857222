#include <QPushButton>
#include <QScrollBar>
#include <QStyleOptionSlider>
#include <QtTest>

#include "application.h"
#include "coil/coil_window_fields.h"
#include "dipole/main_window.h"
#include "support/started_application.h"
#include "support/window_input.h"

using namespace querlin;
using namespace querlin::testing;

namespace {

// A push button held down with the mouse stays down as long as a person holds
// it, longer than the desktop's 500 ms auto-repeat delay, so that a button
// that repeated would click again; a held key sends the desktop's
// auto-repeated presses.
constexpr int kHoldMs = 600;

void hold(QWidget* control, Qt::Key key = Qt::Key_unknown) {
    if (key == Qt::Key_unknown) {
        press(control, control->rect().center());
        QTest::qWait(kHoldMs);
        release(control, control->rect().center());
        return;
    }
    QTest::keyPress(windowOf(control), key);
    autoRepeat(control, key);
    QTest::keyRelease(windowOf(control), key);
}

// A press on the scroll bar's arrow or track repeats its step for as long as
// it is held, unless the report that its first step opened ended it: wait,
// with a deadline, until the report is up and the bar has stopped repeating.
bool pressEndedWithOneReport(QScrollBar* bar, const ReportCounter& reports) {
    // The repeating step is the slider's own protected state; a public
    // using-declaration names it for reading, on any scroll bar.
    struct RepeatingStep : QScrollBar {
        using QAbstractSlider::repeatAction;
    };
    constexpr auto repeating = &RepeatingStep::repeatAction;
    return QTest::qWaitFor([&] {
        return reports.of(bar->window()) == 1 &&
               (bar->*repeating)() == QAbstractSlider::SliderNoAction;
    });
}

void wheelNotch(QWidget* control) {
    const QPointF at = control->mapTo(control->window(), control->rect().center());
    QWheelEvent event(at, windowOf(control)->mapToGlobal(at), {}, {0, -120}, Qt::NoButton, {},
                      Qt::NoScrollPhase, false);
    QSpontaneKeyEvent::setSpontaneous(&event);
    QCoreApplication::sendEvent(windowOf(control), &event);
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
    option.pageStep = bar->pageStep();
    return bar->style()->subControlRect(QStyle::CC_ScrollBar, &option, part, bar).center();
}

enum class Hand { Mouse, Key, Drag, Wheel };

}  // namespace

Q_DECLARE_METATYPE(Hand)

// One action that runs a handler opens at most one fault report, however long
// its mouse button or key is held, and leaves no control pressed behind it.
class OneReportTest : public QObject {
    Q_OBJECT

  private slots:
    void init() { app_ = startedApplication(); }
    void cleanup() {
        dismissFaultReports(main());
        app_.reset();
    }

    // The user answers the report with OK while still holding the button or key.
    void sliderStopsAtTheFaultingStep_data() {
        QTest::addColumn<Hand>("hand");
        QTest::addColumn<int>("part");   // a part of the scroll bar, or a key
        QTest::addColumn<int>("value");  // where the slider stops, from 51
        QTest::newRow("right arrow held") << Hand::Mouse << int(QStyle::SC_ScrollBarAddLine) << 52;
        QTest::newRow("track right held") << Hand::Mouse << int(QStyle::SC_ScrollBarAddPage) << 61;
        QTest::newRow("track left held") << Hand::Mouse << int(QStyle::SC_ScrollBarSubPage) << 41;
        QTest::newRow("thumb dragged") << Hand::Drag << int(QStyle::SC_ScrollBarSlider) << 99;
        QTest::newRow("Right held") << Hand::Key << int(Qt::Key_Right) << 52;
        QTest::newRow("Left held") << Hand::Key << int(Qt::Key_Left) << 50;
        QTest::newRow("Page Down held") << Hand::Key << int(Qt::Key_PageDown) << 61;
        QTest::newRow("Page Up held") << Hand::Key << int(Qt::Key_PageUp) << 41;
        QTest::newRow("Home held") << Hand::Key << int(Qt::Key_Home) << 1;
        QTest::newRow("End held") << Hand::Key << int(Qt::Key_End) << 99;
        QTest::newRow("wheel notch") << Hand::Wheel << 0 << 54;
    }
    void sliderStopsAtTheFaultingStep() {
        QFETCH(Hand, hand);
        QFETCH(int, part);
        QFETCH(int, value);
        auto* bar = control<QScrollBar>(main(), mainfields::slider);
        for (int i = 0; i < 5; ++i) {
            QTest::keyClick(windowOf(bar), Qt::Key_PageDown);  // the slider has the focus
        }
        QCOMPARE(bar->value(), 51);
        control<QLineEdit>(main(), mainfields::frequency.name)->clear();
        const ReportCounter reports;
        const auto at = [&] { return partOf(bar, QStyle::SubControl(part)); };
        if (hand == Hand::Key) {
            QTest::keyPress(windowOf(bar), Qt::Key(part));
            autoRepeat(bar, Qt::Key(part));
        } else if (hand == Hand::Wheel) {
            wheelNotch(bar);
        } else {
            const QPoint from = at();
            press(bar, from);
            for (int x = from.x(); hand == Hand::Drag && x < bar->width(); x += 20) {
                QTest::mouseMove(windowOf(bar), bar->mapTo(bar->window(), QPoint(x, from.y())));
            }
            if (hand == Hand::Mouse) {
                QVERIFY(pressEndedWithOneReport(bar, reports));
            }
        }
        dismissFaultReports(main());
        if (hand == Hand::Key) {
            autoRepeat(bar, Qt::Key(part));
            QTest::keyRelease(windowOf(bar), Qt::Key(part));
        } else if (hand != Hand::Wheel) {
            release(bar, hand == Hand::Drag ? QPoint(bar->width() - 1, bar->height() / 2) : at());
        }
        QCOMPARE(reports.of(main()), 1);
        QCOMPARE(bar->value(), value);
        QCOMPARE(shown(main(), mainfields::percentage), QString::number(100 - value));
        QVERIFY(!bar->isSliderDown());
        dismissFaultReports(main());

        // Not left pressed: a click moves it one step as before, with no report.
        control<QLineEdit>(main(), mainfields::frequency.name)->setText(u"7.1"_qs);
        const bool atEnd = value == bar->maximum();
        const QPoint arrow =
            partOf(bar, atEnd ? QStyle::SC_ScrollBarSubLine : QStyle::SC_ScrollBarAddLine);
        press(bar, arrow);
        release(bar, arrow);
        QCOMPARE(bar->value(), value + (atEnd ? -1 : 1));
        QCOMPARE(reports.of(main()), 1);
    }

    // With good inputs a held key moves the slider at each repeat the desktop
    // sends, one calculation of the coil position a step; a key pressed anew
    // after a report does so too.
    void heldKeyKeepsTheSliderMoving_data() {
        QTest::addColumn<Qt::Key>("key");
        QTest::addColumn<bool>("afterReport");
        QTest::addColumn<int>("value");  // from 51, after the press and three repeats
        QTest::newRow("Right") << Qt::Key_Right << false << 55;
        QTest::newRow("Left") << Qt::Key_Left << false << 47;
        QTest::newRow("Page Down") << Qt::Key_PageDown << false << 91;
        QTest::newRow("Page Up") << Qt::Key_PageUp << false << 11;
        QTest::newRow("Right after a report") << Qt::Key_Right << true << 56;
    }
    void heldKeyKeepsTheSliderMoving() {
        QFETCH(Qt::Key, key);
        QFETCH(bool, afterReport);
        QFETCH(int, value);
        auto* bar = control<QScrollBar>(main(), mainfields::slider);
        for (int i = 0; i < 5; ++i) {
            QTest::keyClick(windowOf(bar), Qt::Key_PageDown);
        }
        auto* frequency = control<QLineEdit>(main(), mainfields::frequency.name);
        if (afterReport) {
            frequency->clear();
            hold(bar, key);
            dismissFaultReports(main());
        }
        frequency->setText(u"7.1"_qs);
        const ReportCounter reports;
        QSignalSpy percentages(control<QLineEdit>(main(), mainfields::percentage),
                               &QLineEdit::textChanged);
        hold(bar, key);
        QCOMPARE(bar->value(), value);
        QCOMPARE(percentages.size(), 4);
        QCOMPARE(percentages.last().at(0).toString(), QString::number(100 - value));
        QCOMPARE(reports.of(main()), 0);
    }

    void buttonsReportOncePerAction_data() {
        QTest::addColumn<bool>("inCoilWindow");
        QTest::addColumn<QString>("button");
        QTest::addColumn<Qt::Key>("key");
        QTest::newRow("upper CALCULATE, mouse") << false << "Command5" << Qt::Key_unknown;
        QTest::newRow("upper CALCULATE, Space") << false << "Command5" << Qt::Key_Space;
        QTest::newRow("lower CALCULATE, mouse") << false << "Command7" << Qt::Key_unknown;
        QTest::newRow("coil CALCULATE, mouse") << true << "Command1" << Qt::Key_unknown;
        QTest::newRow("coil CALCULATE, Space") << true << "Command1" << Qt::Key_Space;
    }
    void buttonsReportOncePerAction() {
        QFETCH(bool, inCoilWindow);
        QFETCH(QString, button);
        QFETCH(Qt::Key, key);
        QWidget* window = inCoilWindow ? openCoilWindow() : main();
        control<QLineEdit>(main(), mainfields::feedlineImpedance.name)->clear();
        auto* pressed = control<QPushButton>(window, qPrintable(button));
        pressed->setFocus();
        const ReportCounter reports;
        for (int action = 1; action <= 2; ++action) {
            hold(pressed, key);
            QCOMPARE(reports.of(window), action);
            QVERIFY(!pressed->isDown());
            dismissFaultReports(window);
        }
    }

    // Space holds CALCULATE down when the slider's report blocks the window:
    // the button lets go without a click, and Space coming up after OK does
    // nothing.
    void heldControlsLetGoWhenAReportOpens() {
        control<QLineEdit>(main(), mainfields::frequency.name)->clear();
        auto* calculate = control<QPushButton>(main(), mainfields::loadingCalculate);
        calculate->setFocus();
        const ReportCounter reports;
        QTest::keyPress(windowOf(calculate), Qt::Key_Space);
        wheelNotch(control(main(), mainfields::slider));
        QVERIFY(!calculate->isDown());
        dismissFaultReports(main());
        QTest::keyRelease(windowOf(calculate), Qt::Key_Space);
        QCOMPARE(reports.of(main()), 1);
    }

    // A window blocked by its own report takes no input; the others go on,
    // each with a report of its own.
    void eachWindowHasItsOwnReport() {
        QWidget* coil = openCoilWindow();
        QWidget* calculate = control(coil, coilfields::calculate);
        const ReportCounter reports;
        hold(calculate);
        control<QLineEdit>(main(), mainfields::frequency.name)->clear();
        auto* bar = control<QScrollBar>(main(), mainfields::slider);
        press(bar, partOf(bar, QStyle::SC_ScrollBarAddLine));
        QVERIFY(pressEndedWithOneReport(bar, reports));
        release(bar, partOf(bar, QStyle::SC_ScrollBarAddLine));
        QCOMPARE(reports.of(main()), 1);
        QCOMPARE(bar->value(), 2);
        hold(calculate);
        hold(calculate, Qt::Key_Space);
        QCOMPARE(reports.of(coil), 1);
    }

  private:
    QWidget* main() { return &app_->mainWindow(); }

    QWidget* openCoilWindow() {
        click(main(), mainfields::designCoil);
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
