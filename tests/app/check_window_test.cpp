#include <QClipboard>
#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QSettings>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QToolTip>
#include <QXmlStreamReader>
#include <QtTest>
#include <algorithm>
#include <complex>
#include <csignal>
#include <numbers>

#include "application.h"
#include "coil/coil_window_fields.h"
#include "dipole/main_window.h"
#include "dipole/main_window_fields.h"
#include "plot.h"
#include "support/own_settings.h"
#include "support/stand_in.h"
#include "support/started_application.h"
#include "support/window_input.h"

using namespace querlin;
using namespace querlin::testing;

namespace {

// Long enough for nec2c to check the design on a loaded machine.
constexpr int kEngineMs = 60'000;
// And for every position of a sweep, two at a time.
constexpr int kSweepMs = 300'000;

// The check window among the open windows, or none.
QWidget* checkWindow() {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->objectName() == u"CheckWindow" && window->isVisible()) {
            return window;
        }
    }
    return nullptr;
}

int checkWindows() {
    int count = 0;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        count += window->objectName() == u"CheckWindow" && window->isVisible() ? 1 : 0;
    }
    return count;
}

QString status(QWidget* check) {
    return control<QLabel>(check, "CheckStatus")->text();
}

// The figure a check window shows under its name, empty while it has none.
QString figure(QWidget* check, const char* name) {
    const auto* label = check->findChild<QLabel*>(QLatin1String(name));
    return label != nullptr ? label->text() : QString();
}

// What querlin-calc prints for the words, line by line: on standard output
// when it ends well, else on standard error.
QStringList calcLines(const QStringList& words, int status = 0) {
    QProcess calc;
    calc.start(QStringLiteral(QUERLIN_CALC), words);
    if (!calc.waitForFinished(kEngineMs) || calc.exitCode() != status) {
        qFatal("querlin-calc did not end as expected");
    }
    return QString::fromUtf8(status == 0 ? calc.readAllStandardOutput()
                                         : calc.readAllStandardError())
        .split(u'\n', Qt::SkipEmptyParts);
}

// The figures querlin-calc check (or build) prints for the same design,
// name by name.
QHash<QString, QString> calcFigures(const QStringList& words,
                                    const QString& command = u"check"_qs) {
    QHash<QString, QString> figures;
    for (const QString& line : calcLines(QStringList{command} + words)) {
        figures.insert(line.section(u' ', 0, 0), line.section(u' ', 1));
    }
    return figures;
}

// Whether one of the check window's plots has a pixel of the colour.
bool drawn(QWidget* check, const QColor& colour, const char* plotName = "CheckPlot") {
    const QImage plot = control<QLabel>(check, plotName)->pixmap().toImage();
    for (int y = 0; y < plot.height(); ++y) {
        for (int x = 0; x < plot.width(); ++x) {
            if (plot.pixelColor(x, y) == colour) {
                return true;
            }
        }
    }
    return false;
}

// The positions' axis of the check plot: the same for every panel.
PlotPanel positionAxis() {
    const SweepPlot plot{{}, 7.1, false, {}, {}, {}, {{1, 10, NAN, NAN}, {99, 20, NAN, NAN}}};
    return plotLayout(plot).inductance;
}

// Whether a pixel is mostly the colour, where a curve's smoothed edge blends
// it with the white behind: nearer it than a third of the way to white.
bool mostly(const QColor& pixel, const QColor& colour) {
    const auto distance = [](const QColor& a, const QColor& b) {
        return std::hypot(a.red() - b.red(), a.green() - b.green(), a.blue() - b.blue());
    };
    return distance(pixel, colour) < distance(colour, Qt::white) / 3;
}

// The first and last columns between the check plot's frames' left and right
// edges with a pixel of the colour, in the unscaled picture's pixels.
std::pair<double, double> columnsDrawn(QWidget* check, const QColor& colour) {
    const QImage plot = control<QLabel>(check, "CheckPlot")->pixmap().toImage();
    const double scale = double(plot.width()) / kPlotSize.width();
    const QRectF frame = positionAxis().frame;
    double first = NAN;
    double last = NAN;
    for (int x = int(frame.left() * scale); x < int(frame.right() * scale); ++x) {
        for (int y = 0; y < plot.height(); ++y) {
            if (mostly(plot.pixelColor(x, y), colour)) {
                first = std::isnan(first) ? x / scale : first;
                last = x / scale;
                break;
            }
        }
    }
    return {first, last};
}

// A stand-in for nec2c in the folder given, which the window then runs:
// the script's body, where %1 is the file in which it notes the engines it
// holds. Returns that file's path.
QString standInEngine(const QTemporaryDir& scripts, const QString& body) {
    const QString script = scripts.filePath(QStringLiteral("nec2c"));
    const QString pids = scripts.filePath(QStringLiteral("pids"));
    if (!scripts.isValid() || !standIn(script, body.arg(pids).toUtf8())) {
        qFatal("the stand-in engine could not be written");
    }
    qputenv("QUERLIN_NEC2C", script.toLocal8Bit());
    return pids;
}

// The engines a stand-in started, by the process numbers it noted.
QStringList engines(const QString& pids) {
    QFile file(pids);
    return file.open(QIODevice::ReadOnly)
               ? QString::fromLatin1(file.readAll()).split(u'\n', Qt::SkipEmptyParts)
               : QStringList();
}

// How many of them still run.
int running(const QString& pids) {
    const QStringList started = engines(pids);
    return static_cast<int>(std::count_if(started.begin(), started.end(), [](const QString& pid) {
        return ::kill(pid.toInt(), 0) == 0;
    }));
}

enum class Hand { Mouse, Keys };

// Opens the control's context menu and takes its last entry, with the mouse
// (the right button pressed and released on it, the entry clicked) or from
// the keyboard (Shift+F10 in the box, Up to the last entry, Return), as a
// desktop delivers them.
void checkFromMenuOf(QWidget* window, const char* name, Hand hand = Hand::Mouse) {
    QWidget* target = control(window, name);
    const QPoint at = target->mapTo(window, target->rect().center());
    if (hand == Hand::Mouse) {
        QTest::mousePress(window->windowHandle(), Qt::RightButton, {}, at);
        QTest::mouseRelease(window->windowHandle(), Qt::RightButton, {}, at);
    } else {
        // The desktop makes the window clicked into the active one.
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window));
        click(window, name);
        QTest::keyClick(window->windowHandle(), Qt::Key_F10, Qt::ShiftModifier);
    }
    QTRY_VERIFY(qobject_cast<QMenu*>(QApplication::activePopupWidget()) != nullptr);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    QVERIFY(QTest::qWaitForWindowExposed(menu));
    QAction* check = menu->actions().back();
    QCOMPARE(check->text(), u"Check with NEC-2…"_qs);
    if (hand == Hand::Mouse) {
        QTest::mouseClick(menu->windowHandle(), Qt::LeftButton, {},
                          menu->actionGeometry(check).center());
    } else {
        QTest::keyClick(menu->windowHandle(), Qt::Key_Up);
        QCOMPARE(menu->activeAction(), check);
        QTest::keyClick(menu->windowHandle(), Qt::Key_Return);
    }
    QTRY_VERIFY(checkWindow() != nullptr);
}

// The sweep of the Touchstone file (Hz, S RI on 50 ohms) as the analyser
// reads it with a coil of that inductance (µH) across the feed point.
bool writeFitted(const QString& from, const QString& to, double microhenries) {
    QFile in(from);
    QFile out(to);
    if (!in.open(QIODevice::ReadOnly | QIODevice::Text) || !out.open(QIODevice::WriteOnly)) {
        return false;
    }
    using Complex = std::complex<double>;
    while (!in.atEnd()) {
        const QString line = QString::fromUtf8(in.readLine()).trimmed();
        const QStringList words = line.split(u' ', Qt::SkipEmptyParts);
        if (line.startsWith(u'!') || line.startsWith(u'#') || words.size() != 3) {
            out.write((line + u'\n').toUtf8());
            continue;
        }
        const double hertz = words[0].toDouble();
        const Complex s11(words[1].toDouble(), words[2].toDouble());
        const Complex feed = 50.0 * (1.0 + s11) / (1.0 - s11);
        const Complex coil(0, 2 * std::numbers::pi * hertz * microhenries * 1e-6);
        const Complex fitted = 1.0 / (1.0 / feed + 1.0 / coil);
        const Complex seen = (fitted - 50.0) / (fitted + 50.0);
        out.write(QStringLiteral("%1 %2 %3\n")
                      .arg(words[0])
                      .arg(seen.real(), 0, 'g', 10)
                      .arg(seen.imag(), 0, 'g', 10)
                      .toUtf8());
    }
    return true;
}

// Tab from wherever the focus is until it reaches the button, then Space.
void pressFromKeyboard(QWidget* window, QWidget* button) {
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
    for (int i = 0; i < 40 && QApplication::focusWidget() != button; ++i) {
        QTest::keyClick(window->windowHandle(), Qt::Key_Tab);
    }
    QCOMPARE(QApplication::focusWidget(), button);
    QTest::keyClick(window->windowHandle(), Qt::Key_Space);
}

// Presses Compare with a measurement… with the mouse, or from the keyboard
// (Tab from wherever the focus is until it reaches the button, then Space),
// types the file's path into the dialog's name box and presses Return.
void compareWith(QWidget* check, const QString& path, Hand hand) {
    QWidget* button = control(check, "CheckCompare");
    QTRY_VERIFY(button->isEnabled());
    if (hand == Hand::Mouse) {
        click(check, "CheckCompare");
    } else {
        pressFromKeyboard(check, button);
    }
    QTRY_VERIFY(check->findChild<QFileDialog*>() != nullptr);
    auto* dialog = check->findChild<QFileDialog*>();
    QVERIFY(QTest::qWaitForWindowExposed(dialog));
    typeInto(dialog, "fileNameEdit", path);
    QTest::keyClick(dialog->windowHandle(), Qt::Key_Return);
    QTRY_VERIFY(check->findChild<QFileDialog*>() == nullptr);
}

// What querlin-calc writes for the words: the file they name in place of
// FILE, or what it prints when they name none.
QByteArray calcWrites(QStringList words, const QString& file) {
    const bool written = words.contains(u"FILE"_qs);
    words.replaceInStrings(QRegularExpression(u"^FILE$"_qs), file);
    QProcess calc;
    calc.start(QStringLiteral(QUERLIN_CALC), words);
    if (!calc.waitForFinished(kSweepMs) || calc.exitCode() != 0) {
        qFatal("querlin-calc did not end as expected");
    }
    if (!written) {
        return calc.readAllStandardOutput();
    }
    QFile saved(file);
    return saved.open(QIODevice::ReadOnly) ? saved.readAll() : QByteArray();
}

// Presses Save from the keyboard: Tab until it has the focus, then Space.
void openSaveMenu(QWidget* check) {
    pressFromKeyboard(check, control(check, "CheckSave"));
    QTRY_VERIFY(qobject_cast<QMenu*>(QApplication::activePopupWidget()) != nullptr);
    QVERIFY(QTest::qWaitForWindowExposed(QApplication::activePopupWidget()));
}

// The open menu's entries that can be taken, closing it.
QString offeredEntries() {
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    if (menu == nullptr) {
        return {};
    }
    QStringList offered;
    for (const QAction* action : menu->actions()) {
        if (action->isEnabled()) {
            offered << action->text();
        }
    }
    QTest::keyClick(menu->windowHandle(), Qt::Key_Escape);
    return offered.join(u" / ");
}

// Takes the open menu's entry with the arrow keys and Return.
void takeEntry(const QString& entry) {
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    QVERIFY(menu != nullptr);
    for (int i = 0;
         i < 10 && (menu->activeAction() == nullptr || menu->activeAction()->text() != entry);
         ++i) {
        QTest::keyClick(menu->windowHandle(), Qt::Key_Down);
    }
    QVERIFY2(menu->activeAction() != nullptr && menu->activeAction()->text() == entry,
             qPrintable(entry));
    QTest::keyClick(menu->windowHandle(), Qt::Key_Return);
}

// What a laptop's screen of 1366 by 768 pixels leaves a window: the desktop's
// panel takes about 40 pixels of its height, the window's title bar 30.
constexpr QSize kLaptopRoom{1366, 768 - 40 - 30};

// Whether the window, as laid out now, fits there.
bool fitsALaptop(QWidget* window) {
    window->adjustSize();
    const QSize taken = window->size().expandedTo(window->sizeHint());
    if (taken.boundedTo(kLaptopRoom) != taken) {
        qWarning("the window takes %d by %d pixels", taken.width(), taken.height());
        return false;
    }
    return true;
}

const QStringList kFortyFoot{u"--frequency"_qs, u"7.1"_qs,  u"--length"_qs,   u"40"_qs,
                             u"--element"_qs,   u"0.08"_qs, u"--position"_qs, u"50"_qs};

}  // namespace

// The main window's results and antenna drawing offer the NEC-2 check of the
// design last calculated, in one window of its own that works while the
// windows stay in use.
class CheckWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        // The model's options are kept in settings of this run's own, which
        // no user or other test shares.
        QVERIFY(settings_.hold());
    }
    void init() {
        // Qt's own file dialog, which takes keys as the desktop's would.
        QApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
        // Each test starts from the model's defaults: free space, lossless.
        QSettings(u"QUERLIN"_qs, u"QUERLIN"_qs).remove(u"CheckWindow"_qs);
        app_ = startedApplication();
    }
    void cleanup() {
        app_.reset();
        qunsetenv("QUERLIN_NEC2C");
    }

    // The 40-foot example: the window shows what querlin-calc check prints
    // for it, though the inputs were changed after CALCULATE; a second use,
    // from another control, raises the same window; a new calculation is
    // checked anew in it, opened from the keyboard, with the feed line the
    // lower CALCULATE matched.
    void checksTheLastCalculation() {
        calculate(u"7.1"_qs, u"40"_qs, u"0.08"_qs, 50);
        typeInto(main(), mainfields::frequency.name, u"14.2"_qs);
        checkFromMenuOf(main(), mainfields::loadingInductance);
        QWidget* check = checkWindow();
        QTRY_VERIFY_WITH_TIMEOUT(!figure(check, "resonance").isEmpty(), kEngineMs);
        QVERIFY(control<QLabel>(check, "CheckDesign")->text().contains(u"7.1 MHz, 40 ft long"));
        const QHash<QString, QString> expected =
            calcFigures({u"--frequency"_qs, u"7.1"_qs, u"--length"_qs, u"40"_qs, u"--element"_qs,
                         u"0.08"_qs, u"--position"_qs, u"50"_qs});
        for (const char* name : {"resonance", "resonance_error", "resistance", "reactance",
                                 "resonant_inductance", "swr", "swr_matched", "bandwidth"}) {
            QCOMPARE(figure(check, name), expected.value(QLatin1String(name)));
        }

        checkFromMenuOf(main(), mainfields::antennaDrawing);
        QCOMPARE(checkWindow(), check);
        QCOMPARE(checkWindows(), 1);

        calculate(u"7.1"_qs, u"40"_qs, u"0.08"_qs, 30);
        typeInto(main(), mainfields::feedlineImpedance.name, u"75"_qs);
        click(main(), mainfields::matchingCalculate);
        checkFromMenuOf(main(), mainfields::coilDistance, Hand::Keys);
        QCOMPARE(checkWindow(), check);
        QTRY_VERIFY_WITH_TIMEOUT(!figure(check, "resonance").isEmpty(), kEngineMs);
        QVERIFY(control<QLabel>(check, "CheckDesign")->text().contains(u"the 75-ohm line"));
        const QHash<QString, QString> matched =
            calcFigures({u"--frequency"_qs, u"7.1"_qs, u"--length"_qs, u"40"_qs, u"--element"_qs,
                         u"0.08"_qs, u"--position"_qs, u"30"_qs, u"--feedline"_qs, u"75"_qs});
        for (const char* name : {"resonance", "swr", "swr_matched"}) {
            QCOMPARE(figure(check, name), matched.value(QLatin1String(name)));
        }

        // A design the model cannot take (40 feet need no coil at 14.2 MHz)
        // leaves nothing of the last check or build beside its message.
        QTRY_VERIFY_WITH_TIMEOUT(!figure(check, "build_swr").isEmpty(), kEngineMs);
        calculate(u"14.2"_qs, u"40"_qs, u"0.08"_qs, 50);
        dismissFaultReports(main());
        checkFromMenuOf(main(), mainfields::impedance);
        QTRY_VERIFY_WITH_TIMEOUT(status(check).contains(u"needs no loading coil"_qs), kEngineMs);
        for (const char* name : {"resonance", "bandwidth", "build_swr", "build_inner_wire"}) {
            QVERIFY2(figure(check, name).isEmpty(), name);
        }
    }

    // Where the pointer rests on a result, it says that the result's menu
    // checks the design; the shortcut opens the check from anywhere in the
    // window, a text box included, whose text it leaves alone.
    void theCheckIsFound() {
        const QString keys = u"Ctrl+Shift+K"_qs;  // as the manual gives them
        // Tooltips show over the active window.
        main()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(main()));
        for (const char* result :
             {mainfields::coilDistance, mainfields::loadingInductance, mainfields::impedance}) {
            QWidget* box = control(main(), result);
            QToolTip::hideText();
            QTRY_VERIFY(!QToolTip::isVisible());
            // From beside the box, since a move to where the pointer is moves nothing.
            QTest::mouseMove(windowOf(box), box->mapTo(main(), QPoint(-2, -2)));
            QTest::mouseMove(windowOf(box), box->mapTo(main(), box->rect().center()));
            QTRY_VERIFY(QToolTip::isVisible());
            QVERIFY2(QToolTip::text().contains(u"menu checks the design with NEC-2") &&
                         QToolTip::text().contains(keys),
                     qPrintable(QToolTip::text()));
        }
        typeInto(main(), mainfields::frequency.name, u"7.1"_qs);
        QTest::keyClick(windowOf(main()), Qt::Key_Home);
        QTest::keyClick(windowOf(main()), Qt::Key_K, Qt::ControlModifier | Qt::ShiftModifier);
        QTRY_VERIFY(checkWindow() != nullptr);
        QVERIFY(status(checkWindow()).startsWith(u"Nothing to check yet"));
        QCOMPARE(shown(main(), mainfields::frequency.name), u"7.1"_qs);
    }

    // The plot's context menu saves the picture, at the size querlin-calc
    // writes it, as a PNG or an SVG file through a file dialog, or copies it.
    // Without the engine the window plots the formula's curve alone.
    void thePlotIsSavedOrCopied_data() {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("suffix");  // the file's; none: the clipboard
        QTest::newRow("PNG") << u"Save as PNG…"_qs << u"png"_qs;
        QTest::newRow("SVG") << u"Save as SVG…"_qs << u"svg"_qs;
        QTest::newRow("copy") << u"Copy"_qs << QString();
    }
    void thePlotIsSavedOrCopied() {
        QFETCH(QString, entry);
        QFETCH(QString, suffix);
        qputenv("QUERLIN_NEC2C", "/nonexistent/nec2c");
        calculate(u"7.1"_qs, u"40"_qs, u"0.08"_qs, 50);
        QTest::keyClick(windowOf(main()), Qt::Key_K, Qt::ControlModifier | Qt::ShiftModifier);
        QTRY_VERIFY(checkWindow() != nullptr);
        QWidget* check = checkWindow();
        QVERIFY(QTest::qWaitForWindowExposed(check));
        QVERIFY(!control<QLabel>(check, "CheckPlot")->pixmap().isNull());
        QGuiApplication::clipboard()->clear();
        QTemporaryDir folder;
        QVERIFY(folder.isValid());

        chooseFromMenuOf(control(check, "CheckPlot"), entry);
        if (suffix.isEmpty()) {
            QTRY_COMPARE(QGuiApplication::clipboard()->image().size(), kPlotSize);
            return;
        }
        QTRY_VERIFY(check->findChild<QFileDialog*>(u"PlotDialog"_qs) != nullptr);
        auto* dialog = check->findChild<QFileDialog*>(u"PlotDialog"_qs);
        QVERIFY(QTest::qWaitForWindowExposed(dialog));
        // Typed without its suffix, which the dialog adds.
        typeInto(dialog, "fileNameEdit", folder.filePath(u"plot"_qs));
        QTest::keyClick(dialog->windowHandle(), Qt::Key_Return);
        const QString saved = folder.filePath(u"plot."_qs + suffix);
        QTRY_VERIFY(QFileInfo::exists(saved));
        if (suffix == u"png") {
            QCOMPARE(QImage(saved, "PNG").size(), kPlotSize);
            return;
        }
        QFile file(saved);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QXmlStreamReader svg(&file);
        QVERIFY(svg.readNextStartElement());
        QCOMPARE(svg.name(), u"svg"_qs);
        QVERIFY(svg.attributes()
                    .value(u"viewBox"_qs)
                    .endsWith(u"%1 %2"_qs.arg(kPlotSize.width()).arg(kPlotSize.height())));
    }

    // The plot shows the formula's curve at once and, once every position is
    // checked, the engine's curves beside it.
    void plotsEveryPositionChecked() {
        calculate(u"7.1"_qs, u"40"_qs, u"0.08"_qs, 50);
        checkFromMenuOf(main(), mainfields::loadingInductance);
        QWidget* check = checkWindow();
        QVERIFY(!drawn(check, kEngineColour));
        QTRY_VERIFY_WITH_TIMEOUT(status(check).contains(u" of "), kSweepMs);
        QCOMPARE(status(check).section(u" of "_qs, 1), u"99…"_qs);
        QTRY_COMPARE_WITH_TIMEOUT(status(check), u"Checked with nec2c."_qs, kSweepMs);
        QVERIFY(drawn(check, kEngineColour));
        QVERIFY(drawn(check, kResonanceColour));
        QVERIFY(!drawn(check, kEfficiencyColour));
        QVERIFY(fitsALaptop(check));
        // Both curves span the positions, a position 7.7 of the picture's
        // pixels from the next; the pen and its smoothing reach 2 beyond.
        const PlotPanel axis = positionAxis();
        for (const QColor& colour : {kFormulaColour, kEngineColour}) {
            const auto [first, last] = columnsDrawn(check, colour);
            QVERIFY2(std::abs(first - axis.at(1, 10).x()) < 3, qPrintable(QString::number(first)));
            QVERIFY2(std::abs(last - axis.at(99, 10).x()) < 3, qPrintable(QString::number(last)));
        }
    }

    // Beside the figures, what querlin-calc build prints for the design, its
    // cut list too; with
    // a Q typed, its efficiency and, once every position is built, the
    // efficiency panel; the button puts the loading coil into the coil
    // window's inductance field.
    void showsWhatToBuild() {
        calculate(u"7.1"_qs, u"40"_qs, u"0.08"_qs, 50);
        checkFromMenuOf(main(), mainfields::loadingInductance);
        QWidget* check = checkWindow();
        // Each run's count starts from nothing: when the bar falls back, it
        // falls back to empty.
        const auto* progress = control<QProgressBar>(check, "CheckProgress");
        QList<int> shownValues{progress->value()};
        const QObject recording;
        connect(progress, &QProgressBar::valueChanged, &recording,
                [&shownValues](int value) { shownValues += value; });
        const QStringList words{u"--frequency"_qs, u"7.1"_qs,  u"--length"_qs,   u"40"_qs,
                                u"--element"_qs,   u"0.08"_qs, u"--position"_qs, u"50"_qs};
        const QHash<QString, QString> lossless = calcFigures(words, u"build"_qs);
        QTRY_VERIFY_WITH_TIMEOUT(!figure(check, "build_swr").isEmpty(), kEngineMs);
        for (const char* name : {"load_inductance", "shunt_inductance", "swr", "bandwidth",
                                 "inner_wire", "coil_length", "outer_wire"}) {
            QCOMPARE(figure(check, (u"build_"_qs + QLatin1String(name)).toLatin1()),
                     lossless.value(QLatin1String(name)));
        }
        typeInto(check, "CoilQ", u"300"_qs);
        QTest::keyClick(check->windowHandle(), Qt::Key_Return);
        // Nothing of the lossless build is left beside the build under way.
        QCOMPARE(control<QLabel>(check, "BuildNote")->text(), u"Building with nec2c…"_qs);
        // Another Q typed while the positions are built for this one
        // replaces it, in the design's build too.
        QTRY_VERIFY_WITH_TIMEOUT(status(check).contains(u"coils of Q 300"), kSweepMs);
        typeInto(check, "CoilQ", u"100"_qs);
        QTest::keyClick(check->windowHandle(), Qt::Key_Return);
        QTRY_COMPARE_WITH_TIMEOUT(status(check), u"Checked with nec2c."_qs, kSweepMs);
        // The progress bar went along with the positions built.
        QVERIFY(progress->maximum() > 1);
        QCOMPARE(progress->value(), progress->maximum());
        shownValues.removeAll(progress->minimum() - 1);  // a range reset, unseen
        int restarts = 0;
        for (qsizetype i = 1; i < shownValues.size(); ++i) {
            if (shownValues[i] < shownValues[i - 1]) {
                QCOMPARE(shownValues[i], 0);
                ++restarts;
            }
        }
        QVERIFY(restarts >= 1);
        const QHash<QString, QString> lossy =
            calcFigures(words + QStringList{u"--coil-q"_qs, u"100"_qs}, u"build"_qs);
        QCOMPARE(figure(check, "build_efficiency"), lossy.value(u"efficiency"_qs));
        QVERIFY(drawn(check, kEfficiencyColour));
        QVERIFY(fitsALaptop(check));

        click(check, "DesignLoadingCoil");
        QTRY_VERIFY(app_->coilWindow().window() != nullptr);
        QCOMPARE(shown(app_->coilWindow().window(), coilfields::inductance.name),
                 QLocale().toString(
                     lossy.value(u"load_inductance"_qs).section(u' ', 0, 0).toDouble(), 'f', 2));
    }

    // Without a design to check, or without the engine, the window says what
    // to do and runs nothing; a design that needs no loading coil (40 feet
    // are longer than a half wave at 14.2 MHz) it refuses, as querlin-calc
    // check does.
    void saysWhatToDoFirst_data() {
        QTest::addColumn<QString>("frequency");
        QTest::addColumn<QString>("element");  // typed before CALCULATE; none: not pressed
        QTest::addColumn<QByteArray>("engine");
        QTest::addColumn<QString>("said");
        QTest::newRow("not calculated")
            << u"7.1"_qs << QString() << QByteArray() << u"press its upper"_qs;
        QTest::newRow("faulted") << u"7.1"_qs << u"x"_qs << QByteArray() << u"ended in a fault"_qs;
        QTest::newRow("no engine") << u"7.1"_qs << u"0.08"_qs << QByteArray("/nonexistent/nec2c")
                                   << u"install the Debian package nec2c"_qs;
        QTest::newRow("needs no coil")
            << u"14.2"_qs << u"0.08"_qs << QByteArray()
            << calcLines({u"check"_qs, u"--frequency"_qs, u"14.2"_qs, u"--length"_qs, u"40"_qs,
                          u"--element"_qs, u"0.08"_qs, u"--position"_qs, u"50"_qs},
                         1)
                   .join(u'\n');
    }
    void saysWhatToDoFirst() {
        QFETCH(QString, frequency);
        QFETCH(QString, element);
        QFETCH(QByteArray, engine);
        QFETCH(QString, said);
        if (!engine.isEmpty()) {
            qputenv("QUERLIN_NEC2C", engine);
        }
        if (!element.isEmpty()) {
            calculate(frequency, u"40"_qs, element, 50);
            dismissFaultReports(main());
        }
        checkFromMenuOf(main(), mainfields::impedance);
        QWidget* check = checkWindow();
        QTRY_VERIFY_WITH_TIMEOUT(status(check).contains(said), kEngineMs);
        QVERIFY(!control<QPushButton>(check, "CheckCancel")->isEnabled());
        QVERIFY(figure(check, "resonance").isEmpty());
    }

    // An engine that takes its time: the main window takes typing meanwhile,
    // the window shows it is working, and Cancel ends the run at once and its
    // engines with it; closing the window ends a comparison's.
    void cancelStopsTheEngine() {
        QTemporaryDir scripts;
        const QString pids = standInEngine(scripts, u"echo $$ >>'%1'\nexec sleep 600\n"_qs);

        calculate(u"7.1"_qs, u"40"_qs, u"0.08"_qs, 50);
        checkFromMenuOf(main(), mainfields::loadingInductance);
        QWidget* check = checkWindow();
        auto* cancel = control<QPushButton>(check, "CheckCancel");
        QVERIFY(cancel->isEnabled());
        QVERIFY(status(check).contains(u"Checking the design"));
        typeInto(main(), mainfields::feedlineImpedance.name, u"75"_qs);
        QCOMPARE(shown(main(), mainfields::feedlineImpedance.name), u"75"_qs);

        QElapsedTimer clock;
        clock.start();
        click(check, "CheckCancel");
        QVERIFY(status(check).startsWith(u"Cancelled."));
        QVERIFY(clock.elapsed() < 10'000);
        QVERIFY(!cancel->isEnabled());
        QVERIFY(!control<QProgressBar>(check, "CheckProgress")->isEnabled());
        QTRY_COMPARE(running(pids), 0);

        // Cancelled before anything was checked, the design's deck, model and
        // formula's plot can still be saved; the figures the engine would
        // have given cannot.
        openSaveMenu(check);
        QCOMPARE(offeredEntries(),
                 u"NEC-2 deck… / Touchstone of the model… / Plot as PNG or SVG…"_qs);
        QTRY_VERIFY(QApplication::activePopupWidget() == nullptr);

        // A comparison under way stops its engine when the window closes.
        const int started = engines(pids).size();
        compareWith(check, QStringLiteral(QUERLIN_MEASUREMENTS "/forty-foot-built.s1p"),
                    Hand::Mouse);
        QTRY_VERIFY_WITH_TIMEOUT(engines(pids).size() > started, kEngineMs);
        check->close();
        QTRY_COMPARE_WITH_TIMEOUT(running(pids), 0, kEngineMs);
    }

    // The design's build may end before its check: the figures, which hold
    // both, are offered only once the check has given its own. The stand-in
    // runs nec2c but holds the check's close look, which the build never takes.
    void theFiguresWaitForTheDesignsCheck() {
        QTemporaryDir scripts;
        const QString pids = standInEngine(
            scripts,
            u"if grep -q '^FR 0 5 ' \"$2\"; then\n  echo $$ >>'%1'\n  exec sleep 600\nfi\n"
            u"exec nec2c \"$@\"\n"_qs);

        calculate(u"7.1"_qs, u"40"_qs, u"0.08"_qs, 50);
        checkFromMenuOf(main(), mainfields::loadingInductance);
        QWidget* check = checkWindow();
        QTRY_VERIFY_WITH_TIMEOUT(!figure(check, "build_swr").isEmpty(), kEngineMs);
        QTRY_VERIFY_WITH_TIMEOUT(running(pids) > 0, kEngineMs);
        QVERIFY(figure(check, "resonance").isEmpty());
        openSaveMenu(check);
        QCOMPARE(offeredEntries(),
                 u"NEC-2 deck… / Touchstone of the model… / Touchstone of the "
                 u"build… / Plot as PNG or SVG…"_qs);
        check->close();
        QTRY_COMPARE_WITH_TIMEOUT(running(pids), 0, kEngineMs);
    }

    // Another design checked while the engines work on the last, at each
    // stage they may be in: the window shows the new design's figures alone,
    // once each, whatever the runs it stopped had still to say.
    void anotherDesignReplacesTheRunsUnderWay_data() {
        QTest::addColumn<QString>("stage");  // what the window says then; empty: at once
        QTest::addColumn<QString>("coilQ");  // typed first; empty: none
        QTest::newRow("the design checked") << QString() << QString();
        QTest::newRow("the positions checked") << u" of "_qs << QString();
        QTest::newRow("the positions built") << u"coils of Q 300"_qs << u"300"_qs;
    }
    void anotherDesignReplacesTheRunsUnderWay() {
        QFETCH(QString, stage);
        QFETCH(QString, coilQ);
        calculate(u"7.1"_qs, u"40"_qs, u"0.08"_qs, 50);
        checkFromMenuOf(main(), mainfields::loadingInductance);
        QWidget* check = checkWindow();
        if (!coilQ.isEmpty()) {
            typeInto(check, "CoilQ", coilQ);
            QTest::keyClick(check->windowHandle(), Qt::Key_Return);
        }
        QTRY_VERIFY_WITH_TIMEOUT(status(check).contains(stage), kSweepMs);
        QVERIFY(control<QPushButton>(check, "CheckCancel")->isEnabled());

        calculate(u"7.1"_qs, u"40"_qs, u"0.08"_qs, 30);
        checkFromMenuOf(main(), mainfields::impedance);
        QTRY_COMPARE_WITH_TIMEOUT(status(check), u"Checked with nec2c."_qs, kSweepMs);
        QStringList words = kFortyFoot;
        words[7] = u"30"_qs;
        const QHash<QString, QString> checked = calcFigures(words);
        if (!coilQ.isEmpty()) {
            words << u"--coil-q"_qs << coilQ;
        }
        const QHash<QString, QString> built = calcFigures(words, u"build"_qs);
        QStringList shown{u"resonance"_qs, u"swr"_qs};
        QStringList expected{checked.value(u"resonance"_qs), checked.value(u"swr"_qs)};
        for (const QString& name : {u"load_inductance"_qs, u"swr"_qs, u"efficiency"_qs}) {
            if (built.contains(name)) {
                shown << u"build_"_qs + name;
                expected << built.value(name);
            }
        }
        QCOMPARE(shown.contains(u"build_efficiency"_qs), !coilQ.isEmpty());
        for (qsizetype i = 0; i < shown.size(); ++i) {
            QCOMPARE(check->findChildren<QLabel*>(shown[i]).size(), 1);
            QCOMPARE(figure(check, shown[i].toLatin1()), expected[i]);
        }
    }

    // The Save menu writes what querlin-calc writes for the design checked:
    // the deck, the Touchstone files of the model and of the build, the plot
    // as PNG and as SVG, and the figures as check and build print them; a
    // file in a folder that does not exist is refused in a message naming
    // it, and nothing is written.
    void savesWhatQuerlinCalcWrites_data() {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("file");  // typed into the dialog, in a folder of its own
        QTest::addColumn<QList<QStringList>>("calc");  // what writes it, one after another
        QTest::addColumn<QStringList>("typed");        // the model's options, as typeOptions
        const QStringList words = kFortyFoot;
        const auto with = [](QStringList command, const QStringList& more) {
            return command + more;
        };
        const QStringList file{u"--touchstone"_qs, u"FILE"_qs};
        QTest::newRow("deck") << u"NEC-2 deck…"_qs << u"antenna.nec"_qs
                              << QList<QStringList>{with(QStringList{u"nec"_qs} + words,
                                                         {u"--output"_qs, u"FILE"_qs})}
                              << QStringList();
        QTest::newRow("model") << u"Touchstone of the model…"_qs << u"model.s1p"_qs
                               << QList<QStringList>{with(QStringList{u"check"_qs} + words, file)}
                               << QStringList();
        QTest::newRow("build") << u"Touchstone of the build…"_qs << u"build.s1p"_qs
                               << QList<QStringList>{with(QStringList{u"build"_qs} + words, file)}
                               << QStringList();
        for (const QString& picture : {u"plot.png"_qs, u"plot.svg"_qs}) {
            QTest::newRow(qPrintable(picture))
                << u"Plot as PNG or SVG…"_qs << picture
                << QList<QStringList>{with(
                       QStringList{u"dipole"_qs, u"--sweep"_qs, u"--check"_qs} + words,
                       {u"--plot"_qs, u"FILE"_qs})}
                << QStringList();
        }
        QTest::newRow("figures") << u"Figures as text…"_qs << u"figures.txt"_qs
                                 << QList<QStringList>{QStringList{u"check"_qs} + words,
                                                       QStringList{u"build"_qs} + words}
                                 << QStringList();
        // With a coil to wind the check models the formula's coils as wound
        // and the build winds its own: each file as the command writes it
        // with the same former.
        const QStringList former{u"--coil-diameter"_qs, u"1"_qs,   u"--coil-length"_qs, u"2.25"_qs,
                                 u"--coil-wire"_qs,     u".051"_qs};
        const QStringList typedFormer{u"ModelCoilDiameter"_qs, u"1"_qs,
                                      u"ModelCoilLength"_qs,   u"2.25"_qs,
                                      u"ModelCoilWire"_qs,     u".051"_qs};
        QTest::newRow("model wound")
            << u"Touchstone of the model…"_qs << u"model.s1p"_qs
            << QList<QStringList>{with(QStringList{u"check"_qs} + words + former, file)}
            << typedFormer;
        QTest::newRow("build wound")
            << u"Touchstone of the build…"_qs << u"build.s1p"_qs
            << QList<QStringList>{with(QStringList{u"build"_qs} + words + former, file)}
            << typedFormer;
        QTest::newRow("figures wound")
            << u"Figures as text…"_qs << u"figures.txt"_qs
            << QList<QStringList>{QStringList{u"check"_qs} + words + former,
                                  QStringList{u"build"_qs} + words + former}
            << typedFormer;
        QTest::newRow("no such folder") << u"NEC-2 deck…"_qs << u"missing/antenna.nec"_qs
                                        << QList<QStringList>{} << QStringList();
    }
    void savesWhatQuerlinCalcWrites() {
        QFETCH(QString, entry);
        QFETCH(QString, file);
        QFETCH(QList<QStringList>, calc);
        QFETCH(QStringList, typed);
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        typeOptions(emptyCheckWindow(), typed);
        calculate(u"7.1"_qs, u"40"_qs, u"0.08"_qs, 50);
        checkFromMenuOf(main(), mainfields::loadingInductance);
        QWidget* check = checkWindow();
        QTRY_COMPARE_WITH_TIMEOUT(status(check), u"Checked with nec2c."_qs, kSweepMs);

        openSaveMenu(check);
        takeEntry(entry);
        QTRY_VERIFY(check->findChild<QFileDialog*>(u"SaveDialog"_qs) != nullptr);
        auto* dialog = check->findChild<QFileDialog*>(u"SaveDialog"_qs);
        QVERIFY(QTest::qWaitForWindowExposed(dialog));
        const QString path = folder.filePath(file);
        typeInto(dialog, "fileNameEdit", path);
        QTest::keyClick(dialog->windowHandle(), Qt::Key_Return);
        if (calc.isEmpty()) {
            QTRY_VERIFY(check->findChild<QMessageBox*>(u"SaveFault"_qs) != nullptr &&
                        check->findChild<QMessageBox*>(u"SaveFault"_qs)->isVisible());
            const QString message = check->findChild<QMessageBox*>(u"SaveFault"_qs)->text();
            QVERIFY2(message.contains(path), qPrintable(message));
            QVERIFY(!QFileInfo::exists(path));
            QCOMPARE(QDir(folder.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
                     QStringList());
            return;
        }
        QByteArray expected;
        for (const QStringList& words : calc) {
            expected +=
                calcWrites(words, folder.filePath(u"calc-"_qs + QFileInfo(file).fileName()));
        }
        QFile saved(path);
        QTRY_VERIFY_WITH_TIMEOUT(saved.exists(), kEngineMs);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QVERIFY(!expected.isEmpty());
        QCOMPARE(saved.readAll(), expected);
        QVERIFY(check->findChild<QMessageBox*>(u"SaveFault"_qs) == nullptr);
    }

    // A build is tuned to what was built: a sweep taken with the build's
    // matching coil fitted, compared with the build, as querlin-calc measured
    // compares it given the build's coils as the panel shows them; with the
    // design it makes no sense, and says so.
    void comparesTheBuildWithItsMatchingCoil() {
        calculate(u"7.1"_qs, u"40"_qs, u"0.08"_qs, 50);
        checkFromMenuOf(main(), mainfields::loadingInductance);
        QWidget* check = checkWindow();
        QTRY_COMPARE_WITH_TIMEOUT(status(check), u"Checked with nec2c."_qs, kSweepMs);
        const QHash<QString, QString> built = calcFigures(kFortyFoot, u"build"_qs);
        const QString shunt = built.value(u"shunt_inductance"_qs).section(u' ', 0, 0);
        const QStringList asBuilt{u"--load-inductance"_qs,
                                  built.value(u"load_inductance"_qs).section(u' ', 0, 0),
                                  u"--shunt-inductance"_qs, shunt};
        QTemporaryDir folder;
        const QString file = folder.filePath(u"fitted.s1p"_qs);
        QVERIFY(writeFitted(QStringLiteral(QUERLIN_MEASUREMENTS "/forty-foot-built.s1p"), file,
                            shunt.toDouble()));
        compareWith(check, file, Hand::Keys);
        // Compared with the design, whose coils are not the build's, the sweep
        // with the matching coil in it holds no resonance of the antenna.
        QTRY_VERIFY_WITH_TIMEOUT(
            control<QLabel>(check, "CompareNote")->text().contains(u"holds no resonance"_qs),
            kEngineMs);
        const QStringList printed =
            calcLines(QStringList{u"measured"_qs, file} + kFortyFoot + asBuilt);

        pressFromKeyboard(check, control(check, "CompareAsBuilt"));
        QTRY_VERIFY_WITH_TIMEOUT(
            control<QLabel>(check, "CompareNote")->text().contains(u"against the build"_qs) &&
                !figure(check, "compare_model_resonance").isEmpty(),
            kEngineMs);
        for (const QString& line : printed.mid(0, 6)) {
            QCOMPARE(figure(check, (u"compare_"_qs + line.section(u' ', 0, 0)).toLatin1()),
                     line.section(u' ', 1));
        }
        QStringList advice;
        for (const QLabel* line : check->findChildren<QLabel*>(u"compare_advice"_qs)) {
            advice << line->text();
        }
        QCOMPARE(advice, printed.mid(printed.size() - advice.size()));
        QVERIFY(fitsALaptop(check));

        pressFromKeyboard(check, control(check, "CompareAsBuilt"));
        QTRY_VERIFY_WITH_TIMEOUT(
            control<QLabel>(check, "CompareNote")->text().contains(u"holds no resonance"_qs),
            kEngineMs);
    }

    // With nothing checked, the menu offers nothing to save.
    void offersNothingBeforeADesign() {
        checkFromMenuOf(main(), mainfields::impedance);
        QWidget* check = checkWindow();
        QTRY_VERIFY(status(check).startsWith(u"Nothing to check yet"));
        openSaveMenu(check);
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        QVERIFY(menu != nullptr);
        QCOMPARE(menu->actions().size(), 5);
        for (const QAction* action : menu->actions()) {
            QVERIFY2(!action->isEnabled(), qPrintable(action->text()));
        }
    }

    // The README's sweep of the 40-foot example as built, opened from the
    // keyboard: the window shows what querlin-calc measured prints for it and
    // the design, each figure heard with its value, reached with Tab down to
    // the plot, where the measured and the modelled SWR are drawn.
    void comparesWithAMeasurement() {
        calculate(u"7.1"_qs, u"40"_qs, u"0.08"_qs, 50);
        checkFromMenuOf(main(), mainfields::loadingInductance);
        QWidget* check = checkWindow();
        // The check's engines done first, so that the comparison's is the only one.
        QTRY_COMPARE_WITH_TIMEOUT(status(check), u"Checked with nec2c."_qs, kSweepMs);
        const QString file = QStringLiteral(QUERLIN_MEASUREMENTS "/forty-foot-built.s1p");
        compareWith(check, file, Hand::Keys);
        QTRY_VERIFY_WITH_TIMEOUT(!figure(check, "compare_resonance").isEmpty(), kEngineMs);
        // Its first six lines: resonance, resistance, min_swr, min_swr_frequency,
        // bandwidth, model_resonance; the advice in words last.
        const QStringList printed = calcLines(QStringList{u"measured"_qs, file} + kFortyFoot);
        QStringList values;
        for (const QString& line : printed.mid(0, 6)) {
            values << line.section(u' ', 1);
            QCOMPARE(figure(check, (u"compare_"_qs + line.section(u' ', 0, 0)).toLatin1()),
                     values.back());
        }
        // What to change is said in words under the figures, not as a seventh.
        QVERIFY(figure(check, "compare_tip_change").isEmpty());
        QStringList advice;
        for (const QLabel* line : check->findChildren<QLabel*>(u"compare_advice"_qs)) {
            advice << line->text();
        }
        QCOMPARE(advice, printed.mid(printed.size() - advice.size()));
        QCOMPARE(control(check, "compare_resonance")->accessibleName(),
                 u"Measured resonance: "_qs + values[0]);
        auto* plot = control<QLabel>(check, "ComparePlot");
        QVERIFY(plot->accessibleDescription().contains(
            u"measured, lowest %1 at %2"_qs.arg(values[2], values[3])));
        QVERIFY(drawn(check, kMeasuredColour, "ComparePlot"));
        QVERIFY(drawn(check, kModelledColour, "ComparePlot"));
        QVERIFY(fitsALaptop(check));

        check->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(check));
        QStringList reached;
        while (QApplication::focusWidget() != plot && reached.size() < 40) {
            QTest::keyClick(check->windowHandle(), Qt::Key_Tab);
            reached << check->focusWidget()->objectName();
        }
        QVERIFY(reached.contains(u"compare_resonance"_qs));
        QVERIFY(!advice.isEmpty() && reached.contains(u"compare_advice"_qs));
        QCOMPARE(reached.back(), u"ComparePlot"_qs);
    }

    // The README's sweep saved with a frequency mistyped: its message, as
    // querlin-calc measured gives it, in the window, and nothing compared.
    void saysWhyAFileCannotBeRead() {
        const QString file = QStringLiteral(QUERLIN_MEASUREMENTS "/forty-foot-mistyped.s1p");
        calculate(u"7.1"_qs, u"40"_qs, u"0.08"_qs, 50);
        checkFromMenuOf(main(), mainfields::loadingInductance);
        QWidget* check = checkWindow();
        compareWith(check, file, Hand::Mouse);
        const QStringList message = calcLines({u"measured"_qs, file}, 1);
        QCOMPARE(message.size(), 1);
        QTRY_COMPARE_WITH_TIMEOUT(control<QLabel>(check, "CompareNote")->text(), message.front(),
                                  kEngineMs);
        QVERIFY(figure(check, "compare_resonance").isEmpty());
        QVERIFY(!control(check, "ComparePlot")->isVisible());
    }

    // The model's options typed into the window, before the design is
    // checked with them: its figures are what querlin-calc check and build
    // print with the same options, and its description says what it models.
    void modelsTheOptionsTyped_data() {
        QTest::addColumn<QStringList>("typed");  // field, then text, or combo, then presses of Down
        QTest::addColumn<QStringList>("words");  // querlin-calc's options for the same
        QTest::addColumn<QString>("described");
        QTest::newRow("copper over average ground")
            << QStringList{u"ModelHeight"_qs, u"30"_qs, u"ModelWire"_qs, u"1"_qs}
            << QStringList{u"--height"_qs, u"30"_qs, u"--conductor"_qs, u"copper"_qs}
            << u"30 ft over average ground, flat, copper wire, coils as pure inductances"_qs;
        QTest::newRow("insulated inverted V")
            << QStringList{u"ModelShape"_qs, u"1"_qs, u"ModelApexAngle"_qs,  u"120"_qs,
                           u"ModelWire"_qs,  u"2"_qs, u"ModelInsulation"_qs, u"0.02"_qs}
            << QStringList{u"--apex-angle"_qs, u"120"_qs,          u"--conductor"_qs,
                           u"copper"_qs,       u"--insulation"_qs, u"0.02"_qs}
            << u"in free space, as an inverted V of 120°, copper wire insulated 0.02 in"_qs;
    }
    void modelsTheOptionsTyped() {
        QFETCH(QStringList, typed);
        QFETCH(QStringList, words);
        QFETCH(QString, described);
        QWidget* check = emptyCheckWindow();
        typeOptions(check, typed);
        calculate(u"7.1"_qs, u"40"_qs, u"0.08"_qs, 50);
        checkFromMenuOf(main(), mainfields::loadingInductance);
        QVERIFY2(control<QLabel>(check, "CheckDesign")->text().contains(described),
                 qPrintable(control<QLabel>(check, "CheckDesign")->text()));
        const QHash<QString, QString> checked = calcFigures(kFortyFoot + words);
        const QHash<QString, QString> built = calcFigures(kFortyFoot + words, u"build"_qs);
        QTRY_VERIFY_WITH_TIMEOUT(!figure(check, "build_swr").isEmpty(), kSweepMs);
        QTRY_VERIFY_WITH_TIMEOUT(!figure(check, "resonance").isEmpty(), kSweepMs);
        for (const char* name : {"resonance", "resistance", "swr", "efficiency"}) {
            QCOMPARE(figure(check, name), checked.value(QLatin1String(name)));
        }
        for (const char* name : {"load_inductance", "swr", "efficiency", "inner_wire"}) {
            QCOMPARE(figure(check, (u"build_"_qs + QLatin1String(name)).toLatin1()),
                     built.value(QLatin1String(name)));
        }
    }

    // The options stay for the next time the program runs: restored, with
    // what does not apply to them disabled, and each control named with its
    // unit for a screen reader.
    void keepsTheOptions() {
        QWidget* check = emptyCheckWindow();
        QVERIFY(!control(check, "ModelGround")->isEnabled());
        QVERIFY(!control(check, "ModelApexAngle")->isEnabled());
        QVERIFY(!control(check, "ModelInsulation")->isEnabled());
        QCOMPARE(control(check, "ModelHeight")->accessibleName(),
                 u"Height of the feed point over ground, feet"_qs);
        typeOptions(check,
                    {u"ModelHeight"_qs, u"20"_qs, u"ModelGround"_qs, u"3"_qs, u"ModelShape"_qs,
                     u"1"_qs, u"ModelApexAngle"_qs, u"150"_qs, u"ModelCoilDiameter"_qs, u"1"_qs});
        app_.reset();
        app_ = startedApplication();
        check = emptyCheckWindow();
        QCOMPARE(shown(check, "ModelHeight"), u"20"_qs);
        QCOMPARE(control<QComboBox>(check, "ModelGround")->currentText(), u"good"_qs);
        QCOMPARE(shown(check, "ModelApexAngle"), u"150"_qs);
        QCOMPARE(shown(check, "ModelCoilDiameter"), u"1"_qs);
        QVERIFY(control(check, "ModelGround")->isEnabled());
        // A named ground brings its own constants: none to type.
        QVERIFY(!control(check, "ModelGroundPermittivity")->isEnabled());
        QVERIFY(!control(check, "ModelGroundConductivity")->isEnabled());
        QVERIFY(control(check, "ModelApexAngle")->isEnabled());
        QVERIFY(!control(check, "ModelInsulation")->isEnabled());

        // A metric design takes the lengths in metres and millimetres: 20 ft
        // is 6.096 m, an inch 25.4 mm.
        click(main(), mainfields::metric);
        calculate(u"7.1"_qs, u"12.192"_qs, u"2.032"_qs, 50);
        checkFromMenuOf(main(), mainfields::loadingInductance);
        QCOMPARE(shown(check, "ModelHeight"), u"6.096"_qs);
        QCOMPARE(shown(check, "ModelCoilDiameter"), u"25.4"_qs);
        QCOMPARE(control(check, "ModelHeight")->accessibleName(),
                 u"Height of the feed point over ground, metres"_qs);
    }

    // An option that does not read stops the runs under way and says, naming
    // the field, why nothing runs.
    void refusesAnOptionThatDoesNotRead_data() {
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<QString>("said");
        QTest::newRow("letters") << QStringList{u"ModelHeight"_qs, u"ten"_qs}
                                 << u"Height takes a positive number, not 'ten'."_qs;
        QTest::newRow("negative") << QStringList{u"ModelHeight"_qs, u"-3"_qs}
                                  << u"Height takes a positive number, not '-3'."_qs;
        QTest::newRow("zero") << QStringList{u"ModelHeight"_qs, u"0"_qs}
                              << u"Height takes a positive number, not '0'."_qs;
        QTest::newRow("apex out of range")
            << QStringList{u"ModelShape"_qs, u"1"_qs, u"ModelApexAngle"_qs, u"200"_qs}
            << u"Apex angle takes the angle between the legs"_qs;
        // 20-foot legs 30 degrees off the vertical drop 17.3 feet, from 5.
        QTest::newRow("tips in the ground")
            << QStringList{u"ModelHeight"_qs,    u"5"_qs, u"ModelShape"_qs, u"1"_qs,
                           u"ModelApexAngle"_qs, u"60"_qs}
            << u"ft below the ground: raise the Height or open the Apex angle."_qs;
        QTest::newRow("coil in part") << QStringList{u"ModelCoilLength"_qs, u"2"_qs}
                                      << u"The coil to wind takes its diameter"_qs;
    }
    void refusesAnOptionThatDoesNotRead() {
        QFETCH(QStringList, typed);
        QFETCH(QString, said);
        calculate(u"7.1"_qs, u"40"_qs, u"0.08"_qs, 50);
        checkFromMenuOf(main(), mainfields::loadingInductance);
        QWidget* check = checkWindow();
        QVERIFY(control<QPushButton>(check, "CheckCancel")->isEnabled());
        typeOptions(check, typed);
        QVERIFY2(status(check).contains(said), qPrintable(status(check)));
        QVERIFY(!control<QPushButton>(check, "CheckCancel")->isEnabled());
        QVERIFY(!control<QProgressBar>(check, "CheckProgress")->isEnabled());
        QVERIFY(figure(check, "resonance").isEmpty());
        QVERIFY(figure(check, "build_swr").isEmpty());
    }

    // The former typed into the coil window is the check's coil to wind:
    // the build shows each coil as wound, as querlin-calc build winds it on
    // the same former.
    void showsTheCoilsAsWound() {
        QWidget* coil = app_->coilWindow().show();
        QVERIFY(QTest::qWaitForWindowExposed(coil));
        typeInto(coil, coilfields::coilDiameter.name, u"1"_qs);
        typeInto(coil, coilfields::coilLength.name, u"2.25"_qs);
        typeInto(coil, coilfields::wireDiameter.name, u".051"_qs);
        calculate(u"7.1"_qs, u"40"_qs, u"0.08"_qs, 50);
        checkFromMenuOf(main(), mainfields::loadingInductance);
        QWidget* check = checkWindow();
        QCOMPARE(shown(check, "ModelCoilLength"), u"2.25"_qs);
        QVERIFY(!control(check, "CoilQ")->isEnabled());
        const QStringList former{u"--coil-diameter"_qs, u"1"_qs,   u"--coil-length"_qs, u"2.25"_qs,
                                 u"--coil-wire"_qs,     u".051"_qs};
        const QHash<QString, QString> built = calcFigures(kFortyFoot + former, u"build"_qs);
        const QHash<QString, QString> checked = calcFigures(kFortyFoot + former);
        QTRY_VERIFY_WITH_TIMEOUT(!figure(check, "build_swr").isEmpty(), kSweepMs);
        for (const char* name :
             {"load_inductance", "load_turns", "load_winding_inductance", "load_q", "load_fits",
              "shunt_turns", "shunt_winding_inductance", "shunt_q", "shunt_fits", "efficiency"}) {
            QCOMPARE(figure(check, (u"build_"_qs + QLatin1String(name)).toLatin1()),
                     built.value(QLatin1String(name)));
        }
        QVERIFY(figure(check, "build_load_self_resonance").endsWith(u" MHz"));
        QTRY_VERIFY_WITH_TIMEOUT(!figure(check, "resonance").isEmpty(), kSweepMs);
        for (const char* name : {"resonance", "swr", "efficiency"}) {
            QCOMPARE(figure(check, name), checked.value(QLatin1String(name)));
        }
        QVERIFY(control<QLabel>(check, "CheckDesign")->text().contains(u"as wound"));
        // The wound coils' figures have a tab of their own, so that the
        // window, every position built, still fits a laptop's screen.
        const auto* tabs = control<QTabWidget>(check, "CheckTabs");
        QVERIFY(tabs->isTabVisible(tabs->indexOf(control(check, "WoundFigures"))));
        QTRY_COMPARE_WITH_TIMEOUT(status(check), u"Checked with nec2c."_qs, kSweepMs);
        QVERIFY(fitsALaptop(check));
    }

  private:
    QWidget* main() { return &app_->mainWindow(); }

    // The check window opened before anything is calculated, its model's
    // options shown.
    QWidget* emptyCheckWindow() {
        QTest::keyClick(windowOf(main()), Qt::Key_K, Qt::ControlModifier | Qt::ShiftModifier);
        if (!QTest::qWaitFor([] { return checkWindow() != nullptr; })) {
            qFatal("the check window did not open");
        }
        return checkWindow();
    }

    // Types each option into its field and presses Return; a choice, reached
    // by its label's mnemonic, takes presses of Down from its first entry,
    // each a choice made.
    void typeOptions(QWidget* check, const QStringList& typed) {
        const QHash<QString, Qt::Key> mnemonics{{u"ModelGround"_qs, Qt::Key_G},
                                                {u"ModelShape"_qs, Qt::Key_S},
                                                {u"ModelWire"_qs, Qt::Key_R}};
        check->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(check));
        QTest::keyClick(check->windowHandle(), Qt::Key_M, Qt::AltModifier);
        for (qsizetype i = 0; i + 1 < typed.size(); i += 2) {
            const QByteArray name = typed[i].toLatin1();
            if (auto* choice = qobject_cast<QComboBox*>(control(check, name.constData()))) {
                QTest::keyClick(check->windowHandle(), mnemonics.value(typed[i]), Qt::AltModifier);
                QTRY_COMPARE(QApplication::focusWidget(), choice);
                QTest::keyClick(check->windowHandle(), Qt::Key_Home);
                for (int down = 0; down < typed[i + 1].toInt(); ++down) {
                    QTest::keyClick(check->windowHandle(), Qt::Key_Down);
                }
                continue;
            }
            typeInto(check, name.constData(), typed[i + 1]);
            QTest::keyClick(check->windowHandle(), Qt::Key_Return);
        }
    }

    void calculate(const QString& frequency, const QString& length, const QString& element,
                   int position) {
        typeInto(main(), mainfields::frequency.name, frequency);
        typeInto(main(), mainfields::totalLength.name, length);
        typeInto(main(), mainfields::elementSize.name, element);
        moveSlider(main(), 100 - position);
        click(main(), mainfields::loadingCalculate);
    }

    std::unique_ptr<Application> app_;
    OwnSettings settings_;
};

QTEST_MAIN(CheckWindowTest)
#include "check_window_test.moc"
