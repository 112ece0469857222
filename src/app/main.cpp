#include <QApplication>

#include "application.h"
#include "dipole/main_window.h"

int main(int argc, char* argv[]) {
    QApplication qt(argc, argv);
    querlin::presentToDesktop();
    querlin::Application application;
    application.mainWindow().show();
    return QApplication::exec();
}
