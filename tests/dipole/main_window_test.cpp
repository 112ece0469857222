#include "dipole/main_window.h"

#include <QAccessible>
#include <QRadioButton>
#include <QScrollBar>
#include <QtTest>

#include "dipole/main_window_table.h"
#include "support/widget_lookup.h"

using namespace querlin;
using namespace querlin::testing;

class MainWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        opened_ = QStringList{};
        window_ = std::make_unique<MainWindow>(Navigation{
            .showCoilWindow = [this] { opened_ << QStringLiteral("Form2"); },
            .showNotes = [this] { opened_ << QStringLiteral("Form3"); },
            .showWebLink = [this] { opened_ << QStringLiteral("web"); },
        });
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    }
    void cleanup() { window_.reset(); }

    void initialState() {
        QWidget* w = window_.get();
        QCOMPARE(w->objectName(), QStringLiteral("Form1"));
        QCOMPARE(w->windowTitle(), QStringLiteral("QUERLIN"));
        QCOMPARE(w->size(), QSize(612, 448));
        QCOMPARE(w->minimumSize(), w->maximumSize());  // not resizable
        QVERIFY(!(w->windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(!(w->windowFlags() & Qt::WindowMinimizeButtonHint));
        for (const ControlSpec& row : mainWindowControls()) {
            QVERIFY2(w->findChild<QWidget*>(QString::fromLatin1(row.name)) != nullptr, row.name);
        }
        QVERIFY(control<QRadioButton>(w, "Option2")->isChecked());
        QVERIFY(!control<QRadioButton>(w, "Option1")->isChecked());
        auto* slider = control<QScrollBar>(w, "HScroll1");
        QCOMPARE(slider->value(), 1);
        QCOMPARE(slider->minimum(), 1);
        QCOMPARE(slider->maximum(), 99);
        QCOMPARE(slider->singleStep(), 1);
        QCOMPARE(slider->pageStep(), 10);
        // The display agrees with the slider's first value from the start.
        QCOMPARE(text(w, "Text1"), QStringLiteral("99"));
        QCOMPARE(control(w, "Picture2")->property("left").toFloat(), 2.1F);
        QCOMPARE(control(w, "Picture3")->property("left").toFloat(), 517.9F);
        QCOMPARE(control(w, "Picture3")->x() - control(w, "Picture2")->x(), 516);
        QCOMPARE(text(w, "Text5"), QStringLiteral("00.0"));
        QCOMPARE(text(w, "Text14"), QStringLiteral(".00"));
        QCOMPARE(text(w, "Text17"), QStringLiteral("00"));
        QCOMPARE(text(w, "Text2"), QStringLiteral("QUERLIN        by      ORVANE"));
        QCOMPARE(control<QPlainTextEdit>(w, "Text8")->toPlainText(),
                 QStringLiteral("SLIDE TO SET DISTANCE FROM CENTER TO START OF COIL\n"));
        QCOMPARE(control(w, "Shape1")->size(), QSize(601, 9));
        QCOMPARE(control(w, "Picture1")->size(), QSize(601, 41));
        QVERIFY(opened_.isEmpty());
    }

    void screenReaderNamesFollowCaptionsAndUnits() {
        QWidget* w = window_.get();
        const auto accessible = [w](const char* name, QAccessible::Text what) {
            return QAccessible::queryAccessibleInterface(control(w, name))->text(what);
        };
        const auto name = [&](const char* control) {
            return accessible(control, QAccessible::Name);
        };
        QCOMPARE(name("Text5"), QStringLiteral("INPUT FREQUENCY, MHz"));
        QCOMPARE(name("Text6"), QStringLiteral("INPUT TOTAL LENGTH, FEET"));
        QCOMPARE(name("Text14"), QStringLiteral("INPUT ELEMENT SIZE, INCHES"));
        QCOMPARE(name("Text10"), QStringLiteral("The coil will be, FEET, from the center"));
        QCOMPARE(name("Text17"), QStringLiteral("Loading coils will be, mHYs"));
        QCOMPARE(name("Text20"), QStringLiteral("Antenna Impedance is approximately, OHMS"));
        QCOMPARE(name("Text27"), QStringLiteral("INPUT FEEDLINE IMPEDANCE, ohms"));
        QCOMPARE(name("Text24"), QStringLiteral("Matching coil is, mHYs"));
        QCOMPARE(name("HScroll1"),
                 QStringLiteral("SLIDE TO SET DISTANCE FROM CENTER TO START OF COIL"));
        QCOMPARE(name("Command5"), QStringLiteral("CALCULATE"));
        QCOMPARE(name("Command2"), QStringLiteral("READ ME FIRST"));
        QCOMPARE(name("Option1"), QStringLiteral("METRIC"));
        for (const char* picture : {"Picture1", "Picture2", "Picture3"}) {
            QVERIFY(!name(picture).isEmpty());
            QVERIFY(!accessible(picture, QAccessible::Description).isEmpty());
        }

        click(w, "Option1");
        QCOMPARE(name("Text6"), QStringLiteral("INPUT TOTAL LENGTH, METERS"));
        QCOMPARE(name("Text14"), QStringLiteral("INPUT ELEMENT SIZE, MM"));
        QCOMPARE(name("Text10"), QStringLiteral("The coil will be, METERS, from the center"));
        // A unit text is a caption that names itself and the field it labels.
        QCOMPARE(name("Text22"), QStringLiteral("METERS"));
        QCOMPARE(accessible("Text22", QAccessible::Description),
                 QStringLiteral("caption of the field INPUT TOTAL LENGTH, METERS"));
    }

    void tabOrderFollowsTheTable() {
        QStringList expected;
        for (const ControlSpec& row : mainWindowControls()) {
            QWidget* widget = window_->findChild<QWidget*>(QString::fromLatin1(row.name));
            if (widget->focusPolicy() & Qt::TabFocus) {
                expected << QString::fromLatin1(row.name);
            }
        }
        QCOMPARE(expected.size(), 38);  // all but the three pictures and two shapes
        QStringList visited;
        QWidget* widget = control(window_.get(), "HScroll1");
        for (qsizetype i = 0; i < expected.size(); ++i) {
            visited << widget->objectName();
            widget = widget->nextInFocusChain();
            while (!(widget->focusPolicy() & Qt::TabFocus)) {
                widget = widget->nextInFocusChain();
            }
        }
        QCOMPARE(visited, expected);
    }

    void calculatesTheFortyFootDipole() {
        QWidget* w = window_.get();
        type(w, "Text5", QStringLiteral("7.1"));
        type(w, "Text6", QStringLiteral("40"));
        type(w, "Text14", QStringLiteral("0.08"));
        control<QScrollBar>(w, "HScroll1")->setValue(50);
        QCOMPARE(text(w, "Text1"), QStringLiteral("50"));
        click(w, "Command5");
        QCOMPARE(text(w, "Text10"), QStringLiteral("10"));
        QCOMPARE(text(w, "Text17"), QStringLiteral("14.74"));
        QCOMPARE(text(w, "Text20"), QStringLiteral("31.55556"));
        type(w, "Text27", QStringLiteral("50"));
        click(w, "Command7");
        QCOMPARE(text(w, "Text24"), QStringLiteral("1.463956"));
        QVERIFY(faultReports(w).isEmpty());
        // The results are wider than their boxes: each box shows the leading digits.
        for (const char* result : {"Text20", "Text24"}) {
            auto* box = control<QLineEdit>(w, result);
            QVERIFY(box->fontMetrics().horizontalAdvance(box->text()) > box->width());
            QCOMPARE(box->cursorPosition(), 0);
        }
    }

    void metricChangesUnitsThenResults() {
        QWidget* w = window_.get();
        type(w, "Text5", QStringLiteral("7.1"));
        type(w, "Text6", QStringLiteral("12.19"));
        type(w, "Text14", QStringLiteral("2.03"));
        control<QScrollBar>(w, "HScroll1")->setValue(50);
        click(w, "Command5");
        const QString feetDistance = text(w, "Text10");

        click(w, "Option1");
        QCOMPARE(text(w, "Text22"), QStringLiteral("METERS"));
        QCOMPARE(text(w, "Text15"), QStringLiteral("MM"));
        QCOMPARE(text(w, "Text11"), QStringLiteral("METERS"));
        QCOMPARE(text(w, "Text10"), feetDistance);  // nothing recomputed yet

        click(w, "Command5");
        QCOMPARE(text(w, "Text10"), QStringLiteral("3.047649"));
        QCOMPARE(text(w, "Text17"), QStringLiteral("14.74"));
        QCOMPARE(text(w, "Text20"), QStringLiteral("31.55192"));

        click(w, "Option2");
        QCOMPARE(text(w, "Text22"), QStringLiteral("FEET"));
        QCOMPARE(text(w, "Text15"), QStringLiteral("INCHES"));
        QCOMPARE(text(w, "Text11"), QStringLiteral("FEET"));
    }

    void faultIsReportedOnceWithoutBlocking() {
        QWidget* w = window_.get();
        click(w, "Command5");  // returns: the report does not block
        const auto reports = faultReports(w);
        QCOMPARE(reports.size(), 1);
        QCOMPARE(reports.front()->windowTitle(), QStringLiteral("QUERLIN"));
        QCOMPARE(reports.front()->icon(), QMessageBox::Warning);
        QCOMPARE(reports.front()->windowModality(), Qt::WindowModal);
        QCOMPARE(
            reports.front()->text(),
            QStringLiteral("Division by zero occurred while calculating the quarter wavelength."));
        QCOMPARE(text(w, "Text10"), QStringLiteral("00.0"));
        dismissFaultReports(w);

        // The program goes on: the next good press computes.
        type(w, "Text5", QStringLiteral("7.1"));
        type(w, "Text6", QStringLiteral("40"));
        type(w, "Text14", QStringLiteral("0.08"));
        click(w, "Command5");
        QVERIFY(faultReports(w).isEmpty());
        QCOMPARE(text(w, "Text20"), QStringLiteral("31.55556"));
    }

    void readingFaultNamesTheField() {
        QWidget* w = window_.get();
        type(w, "Text5", QStringLiteral("seven"));
        click(w, "Command5");
        QCOMPARE(faultReports(w).size(), 1);
        QCOMPARE(faultReports(w).front()->text(),
                 QStringLiteral("\"INPUT FREQUENCY\" does not hold a number."));
    }

    void enterAndEscapePressNothing() {
        QWidget* w = window_.get();
        control(w, "Text5")->setFocus();
        QTest::keyClick(control(w, "Text5"), Qt::Key_Return);
        QTest::keyClick(control(w, "Text5"), Qt::Key_Escape);
        QVERIFY(faultReports(w).isEmpty());  // CALCULATE with initial texts would fault
    }

    void navigationButtonsOpenTheirWindows() {
        QWidget* w = window_.get();
        for (const char* button : {"Command1", "Command3", "Command6", "Command2", "Command4"}) {
            click(w, button);
        }
        QCOMPARE(opened_, (QStringList{"Form2", "Form2", "Form2", "Form3", "web"}));
    }

    void fixedTextsAreEditableAndReadByNothing() {
        QWidget* w = window_.get();
        type(w, "Text3", QStringLiteral("anything"));
        type(w, "Text5", QStringLiteral("7.1"));
        type(w, "Text6", QStringLiteral("40"));
        type(w, "Text14", QStringLiteral("0.08"));
        click(w, "Command5");
        QVERIFY(faultReports(w).isEmpty());
        QCOMPARE(text(w, "Text3"), QStringLiteral("anything"));
    }

  private:
    std::unique_ptr<MainWindow> window_;
    QStringList opened_;
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
