#include <QApplication>
#include <QEvent>
#include <QWidget>
#include <QWindow>
#include <chrono>
#include <cstdio>
#include <ctime>

#ifdef QUERLIN_PROBE_MAIN_WINDOW
#include "application.h"
#include "dipole/main_window.h"
#include "translations.h"
#else
#include <QLabel>
#include <QLineEdit>
#endif

// Starts like the program, shows its first window and, once the window is
// exposed and painted, prints the steady clock and the process's CPU time, both
// in nanoseconds, and exits. Built twice: with the program's main window, and
// with the least a calculator window does: a window of the same size that lays
// out one label and one line edit in the default font.

namespace {

long long nanoseconds(std::chrono::nanoseconds duration) {
    return static_cast<long long>(duration.count());
}

class FirstExposure : public QObject {
  public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Expose && static_cast<QWindow*>(watched)->isExposed()) {
            watched->removeEventFilter(this);
            // The widget paints and flushes while the expose event is handled;
            // a queued call runs once that is done.
            QMetaObject::invokeMethod(
                qApp,
                [] {
                    timespec cpu{};
                    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &cpu);
                    const auto now = std::chrono::steady_clock::now().time_since_epoch();
                    std::printf("%lld %lld\n", nanoseconds(now),
                                nanoseconds(std::chrono::seconds(cpu.tv_sec) +
                                            std::chrono::nanoseconds(cpu.tv_nsec)));
                    std::fflush(stdout);
                    QCoreApplication::quit();
                },
                Qt::QueuedConnection);
        }
        return false;
    }
};

}  // namespace

int main(int argc, char* argv[]) {
    QApplication qt(argc, argv);
#ifdef QUERLIN_PROBE_MAIN_WINDOW
    querlin::installTranslations();
    querlin::presentToDesktop();
    querlin::Application application;
    QWidget& window = application.mainWindow();
#else
    QWidget window;
    window.setFixedSize(612, 448);
    QLabel label(QStringLiteral("INPUT FREQUENCY"), &window);
    label.setGeometry(64, 176, 129, 19);
    QLineEdit field(QStringLiteral("00.0"), &window);
    field.setGeometry(208, 168, 57, 27);
#endif
    FirstExposure exposure;
    window.winId();  // creates the native window, so it can be watched before it is shown
    window.windowHandle()->installEventFilter(&exposure);
    window.show();
    return QApplication::exec();
}
