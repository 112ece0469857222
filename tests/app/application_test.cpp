#include "application.h"

#include <QColorSpace>
#include <QLabel>
#include <QtTest>

#include "coil/coil_window_fields.h"
#include "dipole/main_window.h"
#include "dipole/main_window_fields.h"
#include "info/web_window.h"
#include "info/web_window_fields.h"
#include "support/window_input.h"

using namespace querlin;
using namespace querlin::testing;

namespace {

// The one open window besides the main window.
QWidget* otherWindow(QWidget* main) {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window != main && window->isVisible()) {
            return window;
        }
    }
    qFatal("no other window is open");
}

}  // namespace

// The program as a user meets it: the main window, what its buttons open, and
// what the windows show for what is typed and pressed.
class ApplicationTest : public QObject {
    Q_OBJECT

  private slots:
    // The program names itself to the desktop with its icon in both sizes.
    void initTestCase() {
        presentToDesktop();
        for (int size : {16, 32}) {
            QCOMPARE(QApplication::windowIcon().pixmap(size).toImage(),
                     QImage(QStringLiteral(QUERLIN_ASSETS_DIR "/icon%1.png")
                                .arg(size == 16 ? u"-16"_qs : QString()))
                         .convertToFormat(QImage::Format_ARGB32_Premultiplied));
        }
    }
    void init() {
        app_ = std::make_unique<Application>();
        main()->show();
        QVERIFY(QTest::qWaitForWindowExposed(main()));
    }
    void cleanup() { app_.reset(); }

    // The main window opens alone, in FEET, the coil symbols where the slider's
    // first value puts them; METRIC and FEET change the three unit texts at
    // once and the results only at the next CALCULATE.
    void startsInFeetAndChangesUnitsAtOnce() {
        using namespace mainfields;
        QCOMPARE(QApplication::topLevelWidgets(), QWidgetList{main()});
        QCOMPARE(control(main(), leftCoil)->property("left"), QVariant(2.1F));
        QCOMPARE(control(main(), rightCoil)->property("left"), QVariant(517.9F));
        const auto units = [&] {
            return shown(main(), distanceUnit) + shown(main(), diameterUnit) +
                   shown(main(), lengthUnit);
        };
        QCOMPARE(units(), u"FEETINCHESFEET"_qs);
        click(main(), metric);
        QCOMPARE(units(), u"METERSMMMETERS"_qs);
        QCOMPARE(shown(main(), coilDistance), u"00.0"_qs);
        click(main(), feet);
        QCOMPARE(units(), u"FEETINCHESFEET"_qs);
    }

    // Each window looks pixel for pixel as the README shows it: the main window
    // with the 40-foot example worked out, the others as they open.
    void looksAsTheReadmeShowsIt_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("picture");
        QTest::newRow("main") << QString() << u"main-window"_qs;
        QTest::newRow("coil") << u"Command6"_qs << u"coil-window"_qs;
        QTest::newRow("notes") << u"Command2"_qs << u"notes-window"_qs;
        QTest::newRow("web") << u"Command4"_qs << u"web-window"_qs;
    }
    void looksAsTheReadmeShowsIt() {
        QFETCH(QString, button);
        QFETCH(QString, picture);
        using namespace mainfields;
        QWidget* window = main();
        if (button.isEmpty()) {
            for (const auto& [field, text] : {std::pair{frequency, u"7.1"_qs},
                                              {totalLength, u"40"_qs},
                                              {elementSize, u"0.08"_qs}}) {
                typeInto(main(), field.name, text);
            }
            moveSlider(main(), 50);
            click(main(), loadingCalculate);
            typeInto(main(), feedlineImpedance.name, u"50"_qs);
            click(main(), matchingCalculate);
        } else {
            click(main(), qPrintable(button));
            window = otherWindow(main());
        }
        QWidget elsewhere;  // no window is active on the display the pictures were taken on
        elsewhere.show();
        elsewhere.activateWindow();
        QTRY_VERIFY(!window->isActiveWindow());
        const QImage shown = window->grab().toImage().convertToFormat(QImage::Format_RGB32);
        QImage readme = QImage(QStringLiteral(QUERLIN_SCREENSHOTS_DIR "/%1.png").arg(picture))
                            .convertToFormat(QImage::Format_RGB32);
        readme.setColorSpace(shown.colorSpace());  // the same pixels, whatever the file says
        QCOMPARE(shown, readme);
    }

    // Each secondary window exists once, keeps what was typed while it is open,
    // is discarded by its close box and built anew by the next press.
    void eachOtherWindowOpensOnce_data() {
        QTest::addColumn<QStringList>("buttons");
        QTest::addColumn<QString>("box");
        QTest::newRow("coil") << QStringList{u"Command1"_qs, u"Command3"_qs, u"Command6"_qs}
                              << u"Text6"_qs;
        QTest::newRow("notes") << QStringList{u"Command2"_qs} << u"Text1"_qs;
        QTest::newRow("web") << QStringList{u"Command4"_qs} << QString();
    }
    void eachOtherWindowOpensOnce() {
        QFETCH(QStringList, buttons);
        QFETCH(QString, box);
        click(main(), qPrintable(buttons[0]));
        QPointer<QWidget> opened = otherWindow(main());
        QVERIFY(QTest::qWaitForWindowExposed(opened));
        QCOMPARE(opened->parentWidget(), nullptr);
        const QPoint placed = opened->pos();
        const QString initial = box.isEmpty() ? QString() : shown(opened, qPrintable(box));
        if (!box.isEmpty()) {
            typeInto(opened, qPrintable(box), u"14.74"_qs);
        }
        for (const QString& button : buttons) {
            click(main(), qPrintable(button));
        }
        QCOMPARE(QApplication::topLevelWidgets().size(), 2);
        if (!box.isEmpty()) {
            QCOMPARE(shown(opened, qPrintable(box)), u"14.74"_qs);
        }
        opened->move(placed + QPoint(50, 50));
        QVERIFY(opened->close());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(opened.isNull());
        click(main(), qPrintable(buttons.back()));
        QWidget* rebuilt = otherWindow(main());
        QVERIFY(QTest::qWaitForWindowExposed(rebuilt));
        QCOMPARE(rebuilt->pos(), placed);
        QCOMPARE(box.isEmpty() ? QString() : shown(rebuilt, qPrintable(box)), initial);
    }

    // A click on the link opens the page it shows, once; a failing browser is
    // reported; clicks beside it open nothing. A long address is shown whole.
    void theLinkOpensItsPage() {
        QList<QUrl> opened;
        bool opens = true;
        const char* address = "https://www.example.org/a/much/longer/address/of/antennas";
        WebWindow web([&](const QUrl& url) { return opened << url, opens; }, address);
        web.show();
        QVERIFY(QTest::qWaitForWindowExposed(&web));
        auto* link = control<QLabel>(&web, webfields::link);
        QVERIFY(link->geometry().right() < web.width());
        QVERIFY(link->fontMetrics().horizontalAdvance(link->text()) <= link->width());
        const QRect explained = control(&web, webfields::explanation)->geometry();
        QCOMPARE(explained.center().x(), web.rect().center().x());
        QCOMPARE(link->cursor().pixmap().toImage(),
                 QImage(QStringLiteral(QUERLIN_ASSETS_DIR "/hand.png"))
                     .convertToFormat(QImage::Format_ARGB32_Premultiplied));
        QCOMPARE(link->cursor().hotSpot(), QPoint(13, 9));
        QCOMPARE(control(&web, webfields::instruction)->cursor().shape(), Qt::ArrowCursor);

        click(&web, webfields::explanation);
        click(&web, webfields::instruction);
        press(link, {2, 2});
        release(link, {-20, 2});
        QVERIFY(opened.isEmpty());
        click(&web, webfields::link);
        QCOMPARE(opened, QList<QUrl>{QUrl(QLatin1String(address) + u'/')});
        opens = false;
        const ReportCounter reports;
        press(link, {2, 2});
        QTest::qWait(100);  // held: the report opens once, at the release
        release(link, {2, 2});
        QCOMPARE(reports.of(&web), 1);
        QCOMPARE(faultReports(&web)[0]->text(), u"Opening the web page failed."_qs);
    }

  private:
    QWidget* main() { return &app_->mainWindow(); }

    std::unique_ptr<Application> app_;
};

QTEST_MAIN(ApplicationTest)
#include "application_test.moc"
