#include <QApplication>

#include "application.h"
#include "dipole/main_window.h"
#include "startup_tuning.h"

int main(int argc, char* argv[]) {
    querlin::prefaultStartupHeap();
    QApplication qt(argc, argv);
    querlin::presentToDesktop();
    querlin::Application application;
    querlin::prepareFirstFrame(application.mainWindow());
    application.mainWindow().show();
    return QApplication::exec();
}
