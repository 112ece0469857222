#include <malloc.h>

#include <QApplication>
#include <QFile>
#include <QPointer>
#include <QtTest>
#include <array>

#include "app/application.h"
#include "dipole/main_window.h"
#include "support/widget_lookup.h"

#if defined(__SANITIZE_ADDRESS__)
// AddressSanitizer's allocator serves malloc and keeps the count; gcc ships no
// header that declares it.
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();
#endif

using namespace querlin;
using namespace querlin::testing;

namespace {

constexpr int kCycles = 500;
constexpr int kWarmUp = 20;

// Heap bytes in use right now: what malloc has handed out and not yet had back.
// Under AddressSanitizer its own allocator serves malloc and keeps the count.
std::size_t heapInUse() {
#if defined(__SANITIZE_ADDRESS__)
    return __sanitizer_get_current_allocated_bytes();
#else
    const struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd;
#endif
}

// Resident set size in kB, for comparison only.
long residentKb() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) {
        return -1;
    }
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:")) {
            return line.mid(6).trimmed().split(' ').front().toLong();
        }
    }
    return -1;
}

// The offscreen platform warns at every raise and size hint of a shown window;
// a thousand of them would bury the test's own output.
QtMessageHandler qtTestHandler = nullptr;
void dropPlatformLimits(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.startsWith(QLatin1String("This plugin does not support"))) {
        return;
    }
    qtTestHandler(type, context, message);
}

}  // namespace

// The secondary windows are opened and closed many times over, as a long
// session would: nothing of a closed window may stay behind.
class SoakTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { qtTestHandler = qInstallMessageHandler(dropPlatformLimits); }
    void cleanupTestCase() { qInstallMessageHandler(qtTestHandler); }

    void windowsOpenAndCloseWithoutGrowth() {
        Application app;
        QWidget* main = &app.mainWindow();
        main->show();
        QVERIFY(QTest::qWaitForWindowExposed(main));
        const qsizetype windowsAtStart = QApplication::topLevelWidgets().size();

        // The first openings fill Qt's caches (fonts, glyphs, styles), which
        // then stay for the life of the program: measure after them.
        for (int i = 0; i < kWarmUp && !QTest::currentTestFailed(); ++i) {
            cycle(app, i);
        }
        const long residentBefore = residentKb();
        const std::size_t heapBefore = heapInUse();
        for (int i = 0; i < kCycles && !QTest::currentTestFailed(); ++i) {
            cycle(app, i);
        }
        if (QTest::currentTestFailed()) {
            return;
        }
        const std::size_t heapAfter = heapInUse();
        const long residentAfter = residentKb();
        qInfo("heap in use: %zu bytes before, %zu after; resident: %ld kB before, %ld after",
              heapBefore, heapAfter, residentBefore, residentAfter);

        QCOMPARE(QApplication::topLevelWidgets().size(), windowsAtStart);
        QVERIFY2(heapAfter <= heapBefore + kSlack,
                 qPrintable(QStringLiteral("the heap grew by %1 bytes")
                                .arg(static_cast<qlonglong>(heapAfter - heapBefore))));
    }

  private:
    // A text box keeps every key typed into it for undo until the program sets
    // its text, so typing alone grows the main window for its whole life
    // (about a megabyte over these cycles' keys). That is the text box's
    // undo, not a window left behind: each typing starts from a text set by
    // the program, which keeps that history to one cycle's keys.
    static void typeAfresh(QWidget* window, const char* field, const QString& text) {
        auto* box = control<QLineEdit>(window, field);
        box->setText(QString());
        QTest::keyClicks(box, text);
    }

    // Opens each secondary window from the main window, types into the main
    // window while it is open, and closes it with its close box.
    static void cycle(Application& app, int i) {
        static const std::array<const char*, 3> coilButtons{"Command1", "Command3", "Command6"};
        static const std::array<const char*, 3> frequencies{"7.1", "3.6", "14.2"};
        QWidget* main = &app.mainWindow();
        const std::array<std::pair<const char*, WindowSlot*>, 3> windows{{
            {coilButtons[static_cast<std::size_t>(i) % 3], &app.coilWindow()},
            {"Command2", &app.notesWindow()},
            {"Command4", &app.webLinkWindow()},
        }};
        for (const auto& [button, slot] : windows) {
            click(main, button);
            const QPointer<QWidget> window = slot->window();
            QVERIFY(window != nullptr && window->isVisible());

            typeAfresh(main, "Text5",
                       QString::fromLatin1(frequencies[static_cast<std::size_t>(i) % 3]));
            typeAfresh(main, "Text6", QStringLiteral("40"));
            typeAfresh(main, "Text14", QStringLiteral("0.08"));
            click(main, "Command5");
            QVERIFY(faultReports(main).isEmpty());

            QVERIFY(window->close());
            // What the event loop would do next: deliver the window system's
            // events (they hold on to the window until delivered) and delete.
            QCoreApplication::processEvents();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QVERIFY(window.isNull());
        }
    }

    // Measured over 500 to 2000 cycles of all three windows, with glibc's
    // per-thread cache off (as the test runs): the heap in use ends within
    // 100 bytes of where it started, and within 48 bytes under
    // AddressSanitizer. With the cache on it climbs about 90 KB over the first
    // 800 cycles and then stays: freed blocks parked in the cache count as in
    // use. The slack still catches 11 bytes left behind per window opening;
    // one QObject left per cycle ends 119 KB above. The resident size is no
    // measure: pages come and go in 4 KB steps, and AddressSanitizer's
    // quarantine grows it by hundreds of megabytes.
    static constexpr std::size_t kSlack = 16 * 1024;
};

QTEST_MAIN(SoakTest)
#include "soak_test.moc"
