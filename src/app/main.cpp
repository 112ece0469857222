#include <QApplication>

#include "app/application.h"
#include "app/startup_tuning.h"
#include "dipole/main_window.h"

int main(int argc, char* argv[]) {
    querlin::prefaultStartupHeap();
    QApplication qt(argc, argv);
    querlin::presentToDesktop();
    querlin::Application application;
    querlin::prepareFirstFrame(application.mainWindow());
    application.mainWindow().show();
    return QApplication::exec();
}
