#include <QApplication>
#include <QEvent>
#include <QWidget>
#include <QWindow>
#include <chrono>
#include <cstdio>

#ifdef QUERLIN_PROBE_MAIN_WINDOW
#include "app/application.h"
#include "dipole/main_window.h"
#endif

// Starts like the program, shows its first window and, once the window is
// exposed and painted, prints the steady clock in nanoseconds and exits. Built
// twice: with the program's main window and with one empty window.

namespace {

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
                    const auto now = std::chrono::steady_clock::now().time_since_epoch();
                    std::printf("%lld\n",
                                static_cast<long long>(std::chrono::nanoseconds(now).count()));
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
    querlin::presentToDesktop();
    querlin::Application application;
    QWidget& window = application.mainWindow();
#else
    QWidget window;
#endif
    FirstExposure exposure;
    window.winId();  // creates the native window, so it can be watched before it is shown
    window.windowHandle()->installEventFilter(&exposure);
    window.show();
    return QApplication::exec();
}
