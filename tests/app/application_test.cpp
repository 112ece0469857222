#include "application.h"

#include <QColorSpace>
#include <QLabel>
#include <QScrollBar>
#include <QtTest>

#include "build/coil_details.h"
#include "coil/coil_window_fields.h"
#include "dipole/coil_position.h"
#include "dipole/main_window.h"
#include "dipole/main_window_fields.h"
#include "info/web_window.h"
#include "info/web_window_fields.h"
#include "support/started_application.h"
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
    void init() { app_ = startedApplication(); }
    void cleanup() { app_.reset(); }

    // The main window opens alone, in FEET, the coil symbols where the slider's
    // first value puts them.
    void startsAloneInFeet() {
        using namespace mainfields;
        QCOMPARE(QApplication::topLevelWidgets(), QWidgetList{main()});
        QCOMPARE(control(main(), leftCoil)->property("left"), QVariant(2.1F));
        QCOMPARE(control(main(), rightCoil)->property("left"), QVariant(517.9F));
        QCOMPARE(
            shown(main(), distanceUnit) + shown(main(), diameterUnit) + shown(main(), lengthUnit),
            u"FEETINCHESFEET"_qs);
    }

    // Every button of every window, pressed through its window: the windows
    // open afterwards (a fault report would be one more) and what its
    // calculation writes. The numbers are the README's worked example; METRIC
    // and FEET change the unit texts at once and the results only at the next
    // CALCULATE.
    void everyButtonDoesItsWork_data() {
        // Steps are WINDOW/CONTROL, pressed, and WINDOW/CONTROL=TEXT, typed or
        // shown; a window is named by its caption.
        QTest::addColumn<QStringList>("actions");
        QTest::addColumn<QStringList>("windows");  // the captions of the windows open after
        QTest::addColumn<QStringList>("shown");
        const QStringList main{u"QUERLIN"_qs};
        const QStringList coil{u"COILS"_qs, u"QUERLIN"_qs};
        const QStringList dipole{u"QUERLIN/Text5=7.1"_qs, u"QUERLIN/Text6=40"_qs,
                                 u"QUERLIN/Text14=0.08"_qs, u"QUERLIN/HScroll1=50"_qs,
                                 u"QUERLIN/Command5"_qs};
        QTest::newRow("AWG WIRE SIZES")
            << QStringList{u"QUERLIN/Command1"_qs} << coil << QStringList{};
        QTest::newRow("DESIGN COILS")
            << QStringList{u"QUERLIN/Command3"_qs} << coil << QStringList{};
        QTest::newRow("DESIGN COIL")
            << QStringList{u"QUERLIN/Command6"_qs} << coil << QStringList{};
        QTest::newRow("READ ME FIRST") << QStringList{u"QUERLIN/Command2"_qs}
                                       << QStringList{u"NOTES"_qs, u"QUERLIN"_qs} << QStringList{};
        QTest::newRow("WEBSITE") << QStringList{u"QUERLIN/Command4"_qs}
                                 << QStringList{u"QUERLIN"_qs, u"Web Page Link"_qs}
                                 << QStringList{};
        QTest::newRow("upper CALCULATE")
            << dipole << main
            << QStringList{u"QUERLIN/Text10=10"_qs, u"QUERLIN/Text17=14.74"_qs,
                           u"QUERLIN/Text20=31.55556"_qs};
        QTest::newRow("lower CALCULATE")
            << dipole + QStringList{u"QUERLIN/Text27=50"_qs, u"QUERLIN/Command7"_qs} << main
            << QStringList{u"QUERLIN/Text24=1.463956"_qs};
        QTest::newRow("METRIC") << QStringList{u"QUERLIN/Option1"_qs} << main
                                << QStringList{u"QUERLIN/Text11=METERS"_qs, u"QUERLIN/Text15=MM"_qs,
                                               u"QUERLIN/Text22=METERS"_qs,
                                               u"QUERLIN/Text10=00.0"_qs};
        QTest::newRow("FEET") << QStringList{u"QUERLIN/Option1"_qs, u"QUERLIN/Option2"_qs} << main
                              << QStringList{u"QUERLIN/Text11=FEET"_qs, u"QUERLIN/Text15=INCHES"_qs,
                                             u"QUERLIN/Text22=FEET"_qs};
        QTest::newRow("coil CALCULATE")
            << QStringList{u"QUERLIN/Command6"_qs, u"COILS/Text6=14.74"_qs, u"COILS/Text8=1"_qs,
                           u"COILS/Text10=2"_qs,   u"COILS/Text12=.051"_qs, u"COILS/Command1"_qs}
            << coil
            << QStringList{u"COILS/Text14=38.00684"_qs,
                           u"COILS/Text15= THIS WILL FIT BUT YOU MAY WANT TO TRY A SHORTER COIL "
                           u"OR LARGER DIAMETER WIRE"_qs};
    }
    void everyButtonDoesItsWork() {
        QFETCH(QStringList, actions);
        QFETCH(QStringList, windows);
        QFETCH(QStringList, shown);
        for (const QString& action : actions) {
            const auto [window, name, text] = parts(action);
            if (!action.contains(u'=')) {
                click(window, qPrintable(name));
            } else if (name == QLatin1String(mainfields::slider)) {
                moveSlider(window, text.toInt());
            } else {
                typeInto(window, qPrintable(name), text);
            }
        }
        QStringList open;
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (window->isVisible()) {
                open << window->windowTitle();
            }
        }
        open.sort();
        QCOMPARE(open, windows);
        for (const QString& expected : shown) {
            const auto [window, name, text] = parts(expected);
            QCOMPARE(testing::shown(window, qPrintable(name)), text);
        }
    }

    // The README's worked example with the position typed into the % box:
    // Return moves the slider, the coil symbols and the next CALCULATE with it.
    void theWorkedExampleFromThePercentageBox() {
        using namespace mainfields;
        for (const auto& [field, text] : {std::pair{frequency, u"7.1"_qs},
                                          {totalLength, u"40"_qs},
                                          {elementSize, u"0.08"_qs}}) {
            typeInto(main(), field.name, text);
        }
        typeInto(main(), percentage, u"50"_qs);
        QTest::keyClick(windowOf(main()), Qt::Key_Return);
        click(main(), loadingCalculate);
        QCOMPARE(control<QScrollBar>(main(), slider)->value(), 50);
        QCOMPARE(control(main(), leftCoil)->property("left"), QVariant(105.0F));
        QCOMPARE(control(main(), rightCoil)->property("left"), QVariant(415.0F));
        QCOMPARE(shown(main(), percentage), u"50"_qs);
        QCOMPARE(shown(main(), coilDistance), u"10"_qs);
        QCOMPARE(shown(main(), loadingInductance), u"14.74"_qs);
        QCOMPARE(shown(main(), impedance), u"31.55556"_qs);
    }

    // A whole number of per cent typed into the % box, taken by Return or by
    // Tab leaving it, moves the slider as its keys would: the same percentage,
    // coil symbols and design. Anything else puts back the slider's
    // percentage, without a report.
    void aTypedPositionMovesTheSlider_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<Qt::Key>("key");
        QTest::addColumn<int>("value");  // the slider's, where the box then shows 100 - value
        QTest::newRow("50, Return") << u"50"_qs << Qt::Key_Return << 50;
        QTest::newRow("30, Tab") << u"30"_qs << Qt::Key_Tab << 70;
        QTest::newRow("1, the centre") << u"1"_qs << Qt::Key_Return << 99;
        QTest::newRow("98, near a tip") << u"98"_qs << Qt::Key_Tab << 2;
        QTest::newRow("leading zero") << u"07"_qs << Qt::Key_Return << 93;
        QTest::newRow("blanks around") << u" 40 "_qs << Qt::Key_Return << 60;
        QTest::newRow("99, where it stands") << u"99"_qs << Qt::Key_Return << 1;
        QTest::newRow("empty") << QString() << Qt::Key_Return << 1;
        QTest::newRow("0") << u"0"_qs << Qt::Key_Return << 1;
        QTest::newRow("100") << u"100"_qs << Qt::Key_Tab << 1;
        QTest::newRow("50.5") << u"50.5"_qs << Qt::Key_Return << 1;
        QTest::newRow("negative") << u"-5"_qs << Qt::Key_Return << 1;
        QTest::newRow("letters") << u"half"_qs << Qt::Key_Tab << 1;
        QTest::newRow("blanks") << u"   "_qs << Qt::Key_Return << 1;
        QTest::newRow("a blank inside") << u"5 0"_qs << Qt::Key_Return << 1;
    }
    void aTypedPositionMovesTheSlider() {
        QFETCH(QString, typed);
        QFETCH(Qt::Key, key);
        QFETCH(int, value);
        using namespace mainfields;
        for (const auto& [field, text] : {std::pair{frequency, u"7.1"_qs},
                                          {totalLength, u"40"_qs},
                                          {elementSize, u"0.08"_qs}}) {
            typeInto(main(), field.name, text);
        }
        const ReportCounter reports;
        typeInto(main(), percentage, typed);
        QTest::keyClick(windowOf(main()), key);
        QCOMPARE(control(main(), percentage)->hasFocus(), key == Qt::Key_Return);
        click(main(), loadingCalculate);
        QCOMPARE(reports.of(main()), 0);
        QCOMPARE(control<QScrollBar>(main(), slider)->value(), value);
        const QStringList typedDesign{
            shown(main(), percentage), control(main(), leftCoil)->property("left").toString(),
            control(main(), rightCoil)->property("left").toString(), shown(main(), coilDistance),
            shown(main(), loadingInductance)};

        // The same position reached with the slider's keys, from the other end.
        moveSlider(main(), kSliderMaximum);
        moveSlider(main(), value);
        click(main(), loadingCalculate);
        const QStringList keyedDesign{
            shown(main(), percentage), control(main(), leftCoil)->property("left").toString(),
            control(main(), rightCoil)->property("left").toString(), shown(main(), coilDistance),
            shown(main(), loadingInductance)};
        QCOMPARE(typedDesign, keyedDesign);
        QCOMPARE(typedDesign.front(), QString::number(100 - value));
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

    // The coil window's result offers, from its menu, the coil as wound: what
    // querlin-calc coil --details prints of the winding it designed, the
    // turns that give the inductance as wound among it (38.56 for the
    // README's coil, where the window's long-coil formula gives 38.00684).
    void theCoilAsWoundFromTheResultsMenu() {
        using namespace coilfields;
        click(main(), "Command6");
        QWidget* coil = otherWindow(main());
        QVERIFY(QTest::qWaitForWindowExposed(coil));
        const Coil typed{u"14.74"_qs, u"1"_qs, u"2"_qs, u".051"_qs};
        typeInto(coil, inductance.name, typed.inductance);
        typeInto(coil, coilDiameter.name, typed.diameter);
        typeInto(coil, coilLength.name, typed.length);
        typeInto(coil, wireDiameter.name, typed.wire);
        click(coil, calculate);
        QCOMPARE(shown(coil, turns), u"38.00684"_qs);
        chooseFromMenuOf(control(coil, turns), u"The coil as wound…"_qs);
        QMessageBox* box = nullptr;
        QTRY_VERIFY((box = coil->findChild<QMessageBox*>(u"coilAsWound"_qs)) != nullptr);
        QVERIFY(QTest::qWaitForWindowExposed(box));
        QCOMPARE(box->text(),
                 build::designCoilDetails(typed, std::nullopt, QLocale()).lines.join(u'\n'));
        QVERIFY(box->text().contains(u"turns as wound for the wanted inductance: 38.56,"_qs));
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

    // A click on the link, or Return or Space once Tab has reached it, opens
    // the page it shows, once however long the key is held; a failing browser
    // is reported; clicks beside it open nothing. A long address is shown whole.
    void theLinkOpensItsPage() {
        QList<QUrl> opened;
        bool opens = true;
        const char* address = "https://www.example.org/a/much/longer/address/of/antennas";
        const QUrl page(QLatin1String(address) + u'/');
        WebWindow web([&](const QUrl& url) { return opened << url, opens; }, address);
        web.show();
        QVERIFY(QTest::qWaitForWindowActive(&web));
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
        QCOMPARE(opened, QList<QUrl>{page});

        opened.clear();
        link->clearFocus();
        const QImage unmarked = link->grab().toImage();
        QTest::keyClick(web.windowHandle(), Qt::Key_Tab);
        QVERIFY(link->hasFocus());
        QVERIFY(link->grab().toImage() != unmarked);  // the focus mark
        for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Space, Qt::Key_Enter, Qt::Key_A}) {
            QTest::keyPress(web.windowHandle(), key);
            autoRepeat(link, key);
            QTest::keyRelease(web.windowHandle(), key);
        }
        QCOMPARE(opened, QList<QUrl>(3, page));

        opens = false;
        const ReportCounter reports;
        press(link, {2, 2});
        QCOMPARE(reports.of(&web), 0);  // held: the report opens at the release
        release(link, {2, 2});
        QCOMPARE(reports.of(&web), 1);
        QCOMPARE(faultReports(&web)[0]->text(), u"Opening the web page failed."_qs);
    }

  private:
    QWidget* main() { return &app_->mainWindow(); }

    // WINDOW/CONTROL=TEXT: the open window of that caption, the control's name
    // and the text.
    static std::tuple<QWidget*, QString, QString> parts(const QString& step) {
        const QString target = step.section(u'=', 0, 0);
        const QString caption = target.section(u'/', 0, 0);
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (window->isVisible() && window->windowTitle() == caption &&
                !window->inherits("QMessageBox")) {
                return {window, target.section(u'/', 1), step.section(u'=', 1)};
            }
        }
        qFatal("no window %s is open", qPrintable(caption));
    }

    std::unique_ptr<Application> app_;
};

QTEST_MAIN(ApplicationTest)
#include "application_test.moc"
