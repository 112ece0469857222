#include "coil/coil_window.h"

#include <QAccessible>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include "coil/turns.h"

using querlin::CoilWindow;

namespace {

QLineEdit* lineEdit(QWidget& window, const char* name) {
    auto* box = window.findChild<QLineEdit*>(QString::fromLatin1(name));
    Q_ASSERT(box != nullptr);
    return box;
}

QPlainTextEdit* textBox(QWidget& window, const char* name) {
    auto* box = window.findChild<QPlainTextEdit*>(QString::fromLatin1(name));
    Q_ASSERT(box != nullptr);
    return box;
}

void typeInto(QWidget& window, const char* name, const QString& text) {
    QLineEdit* box = lineEdit(window, name);
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Delete);
    QTest::keyClicks(box, text);
}

void pressCalculate(QWidget& window) {
    QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("Command1")), Qt::LeftButton);
}

QList<QMessageBox*> faultReports(QWidget& window) {
    return window.findChildren<QMessageBox*>(QStringLiteral("faultReport"));
}

}  // namespace

class CoilWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    void windowAndControls() {
        CoilWindow window;
        QCOMPARE(window.objectName(), QStringLiteral("Form2"));
        QCOMPARE(window.windowTitle(), QStringLiteral("COILS"));
        QCOMPARE(window.size(), QSize(518, 428));
        QVERIFY(window.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
        QVERIFY(window.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));

        for (const char* name : {"Text1", "Text6", "Text14", "Text15", "Command1"}) {
            QVERIFY2(window.findChild<QWidget*>(QString::fromLatin1(name)) != nullptr, name);
        }
        QCOMPARE(window.findChild<QWidget*>(QStringLiteral("Text2"))->geometry(),
                 QRect(8, 64, 105, 353));
        QCOMPARE(window.findChild<QWidget*>(QStringLiteral("Command1"))->geometry(),
                 QRect(320, 256, 97, 25));

        // Text6 lies above the bottom edge of Text3, which it overlaps.
        const QObjectList& children = window.children();
        QVERIFY(children.indexOf(lineEdit(window, "Text6")) >
                children.indexOf(textBox(window, "Text3")));
    }

    void looksAndFonts() {
        CoilWindow window;
        QLineEdit* turns = lineEdit(window, "Text14");
        QCOMPARE(turns->palette().color(QPalette::Text), QColor(0, 0, 255));
        QVERIFY(turns->hasFrame());
        QVERIFY(lineEdit(window, "Text6")->hasFrame());
        QVERIFY(!lineEdit(window, "Text5")->hasFrame());
        QCOMPARE(lineEdit(window, "Text6")->palette().color(QPalette::Text),
                 window.palette().color(QPalette::Highlight));

        QPlainTextEdit* message = textBox(window, "Text15");
        QCOMPARE(message->palette().color(QPalette::Text), QColor(0, 0, 255));
        QVERIFY(message->font().bold());
        QVERIFY(message->font().italic());
        QCOMPARE(message->font().pointSizeF(), 9.75);
        QCOMPARE(textBox(window, "Text1")->font().pointSizeF(), 9.75);
        QVERIFY(!textBox(window, "Text1")->font().bold());
        QCOMPARE(textBox(window, "Text2")->font().pointSizeF(), 8.25);
        QVERIFY(lineEdit(window, "Text13")->font().bold());
        QVERIFY(!window.findChild<QPushButton*>(QStringLiteral("Command1"))->font().bold());

        for (const char* name : {"Text1", "Text2", "Text15"}) {
            QCOMPARE(textBox(window, name)->verticalScrollBarPolicy(), Qt::ScrollBarAsNeeded);
        }
        for (const char* name : {"Text3", "Text4"}) {
            QCOMPARE(textBox(window, name)->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
        }

        // The scroll bar shows only while the text is longer than the box.
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        // Every stored line of the instruction fits the box's width: none wraps.
        QCOMPARE(textBox(window, "Text3")->document()->lineCount(), 4);
        QScrollBar* bar = message->verticalScrollBar();
        QVERIFY(!bar->isVisible());
        message->setPlainText(QStringLiteral("line\n").repeated(12));
        QTRY_VERIFY(bar->isVisible());
        message->setPlainText(QStringLiteral("line"));
        QTRY_VERIFY(!bar->isVisible());
    }

    void screenReaderNamesComeFromTheCaptions() {
        CoilWindow window;
        const auto name = [&](const char* control) {
            return QAccessible::queryAccessibleInterface(
                       window.findChild<QWidget*>(QString::fromLatin1(control)))
                ->text(QAccessible::Name);
        };
        QCOMPARE(name("Text6"), QStringLiteral("MICROHENRYS"));
        QCOMPARE(name("Text8"), QStringLiteral("COIL DIAMETER, inches"));
        QCOMPARE(name("Text10"), QStringLiteral("COIL LENGTH, inches"));
        QCOMPARE(name("Text12"), QStringLiteral("WIRE DECIMAL, inches"));
        QCOMPARE(name("Text14"), QStringLiteral("RECOMMENDED NUMBER OF TURNS"));
        QCOMPARE(name("Command1"), QStringLiteral("CALCULATE"));
        QVERIFY(!name("Text15").isEmpty());
    }

    void initialTexts() {
        CoilWindow window;
        for (const char* name : {"Text6", "Text8", "Text10", "Text12", "Text14"}) {
            QCOMPARE(lineEdit(window, name)->text(), QStringLiteral("0"));
        }
        QCOMPARE(textBox(window, "Text15")->toPlainText(), QString());
        QCOMPARE(lineEdit(window, "Text5")->text(), QStringLiteral("MICROHENRYS"));
        QCOMPARE(lineEdit(window, "Text7")->text(), QStringLiteral("COIL DIAMETER"));
        QCOMPARE(lineEdit(window, "Text9")->text(), QStringLiteral("COIL LENGTH"));
        QCOMPARE(lineEdit(window, "Text11")->text(), QStringLiteral("WIRE DECIMAL"));
        QCOMPARE(lineEdit(window, "Text13")->text(),
                 QStringLiteral("RECOMMENDED  NUMBER OF TURNS"));
        QCOMPARE(window.findChild<QPushButton*>(QStringLiteral("Command1"))->text(),
                 QStringLiteral("CALCULATE"));

        const QStringList gauges = textBox(window, "Text2")->toPlainText().split(u'\n');
        QCOMPARE(gauges.size(), 27);
        QCOMPARE(gauges[0], QStringLiteral("AWG"));
        QCOMPARE(gauges[1], QStringLiteral("#   INCH  MM"));
        QCOMPARE(gauges[2], QStringLiteral("1    .289    7.348"));
        QCOMPARE(gauges[9], QStringLiteral("8    . 128    3.264"));
        QCOMPARE(gauges[11], QStringLiteral("10  .102    2.588"));
        QCOMPARE(gauges[25], QStringLiteral("24  .020    0.511"));
        QCOMPARE(gauges[26], QString());  // the empty line after the last row

        const QStringList diameters = textBox(window, "Text4")->toPlainText().split(u'\n');
        QCOMPARE(diameters.size(), 15);
        QCOMPARE(diameters[1], QStringLiteral("FRACTION   DECIMAL    CM"));
        QCOMPARE(diameters[2], QStringLiteral("       1/4         .250        .635      "));
        QCOMPARE(diameters[3], QStringLiteral("       3/8         .375        .952    "));
        QCOMPARE(diameters[8], QStringLiteral("       1 1/4     1.250       3.17"));
        QCOMPARE(diameters[12], QStringLiteral("       2 1/2     2.500       6.35       "));
        QCOMPARE(diameters[13], QStringLiteral("       3.0        3.000       7.62"));
        QCOMPARE(diameters[14], QString());

        QCOMPARE(textBox(window, "Text1")->toPlainText(),
                 QStringLiteral("The most efficient coils have a high Q factor.Use the largest "
                                "wire possible with \nclose winding. The coil should be no more "
                                "than  twice as long as the diameter.\n"));
        QCOMPARE(textBox(window, "Text3")->toPlainText(),
                 QStringLiteral("INPUT MICROHENRYS and COIL \nDIAMETER ( DECIMAL INCHES)\n"
                                "SMALL TUBING CAN ALSO BE USED\n"));
    }

    void tabOrder() {
        CoilWindow window;
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Text1"));

        QStringList visited{QStringLiteral("Text1")};
        for (int i = 0; i < 16; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(visited, QStringList({"Text1", "Text2", "Text3", "Text4", "Text5", "Text6",
                                       "Text7", "Text8", "Text9", "Text10", "Text11", "Text12",
                                       "Text13", "Text14", "Command1", "Text15", "Text1"}));
    }

    void resizingMovesNothing() {
        CoilWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QHash<QString, QRect> before;
        for (QWidget* child : window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            before.insert(child->objectName(), child->geometry());
        }
        QCOMPARE(before.size(), 16);

        const auto expectUnmoved = [&] {
            for (auto it = before.cbegin(); it != before.cend(); ++it) {
                QCOMPARE(window.findChild<QWidget*>(it.key())->geometry(), it.value());
            }
        };
        window.resize(900, 700);
        QTest::qWait(10);
        QCOMPARE(window.size(), QSize(900, 700));
        expectUnmoved();
        window.resize(200, 150);
        QTest::qWait(10);
        expectUnmoved();
        window.showMaximized();
        QTest::qWait(10);
        expectUnmoved();
    }

    void calculateShowsTurnsAndMessage() {
        CoilWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        typeInto(window, "Text6", QStringLiteral("10"));
        typeInto(window, "Text8", QStringLiteral("1"));
        typeInto(window, "Text10", QStringLiteral("2"));
        typeInto(window, "Text12", QStringLiteral("0.05"));
        pressCalculate(window);

        QCOMPARE(lineEdit(window, "Text14")->text(), QStringLiteral("31.30495"));
        // The box is narrower than the number: its leading digits stay in sight.
        QCOMPARE(lineEdit(window, "Text14")->cursorPosition(), 0);
        QCOMPARE(textBox(window, "Text15")->toPlainText(),
                 QString::fromLatin1(querlin::kFitMessage));
        QVERIFY(faultReports(window).isEmpty());
        QCOMPARE(window.variables().tur.value(), 980.0F);

        typeInto(window, "Text10", QStringLiteral("1"));
        typeInto(window, "Text12", QStringLiteral("0.1"));
        pressCalculate(window);
        QCOMPARE(lineEdit(window, "Text14")->text(), QStringLiteral("24.08319"));
        QCOMPARE(textBox(window, "Text15")->toPlainText(),
                 QString::fromLatin1(querlin::kTooSmallMessage));
    }

    void faultIsReportedOnceAndTheWindowGoesOn() {
        CoilWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        pressCalculate(window);

        const QList<QMessageBox*> reports = faultReports(window);
        QCOMPARE(reports.size(), 1);
        QVERIFY(reports.front()->isVisible());
        QCOMPARE(reports.front()->windowTitle(), QStringLiteral("COILS"));
        QVERIFY(reports.front()->text().contains(QStringLiteral("invalid operation")));
        QCOMPARE(lineEdit(window, "Text14")->text(), QStringLiteral("0"));
        QCOMPARE(textBox(window, "Text15")->toPlainText(), QString());

        reports.front()->accept();
        QTRY_VERIFY(faultReports(window).isEmpty());
        QVERIFY(window.isVisible());

        typeInto(window, "Text6", QStringLiteral("16"));
        typeInto(window, "Text8", QStringLiteral("2"));
        typeInto(window, "Text10", QStringLiteral("0.7"));
        typeInto(window, "Text12", QStringLiteral("0.04375"));
        pressCalculate(window);
        QVERIFY(faultReports(window).isEmpty());
        QCOMPARE(lineEdit(window, "Text14")->text(), QStringLiteral("16"));
        QCOMPARE(textBox(window, "Text15")->toPlainText(),
                 QString::fromLatin1(querlin::kFitMessage));
    }
};

QTEST_MAIN(CoilWindowTest)
#include "coil_window_test.moc"
