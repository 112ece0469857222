#include <QApplication>

#include "application.h"
#include "dipole/main_window.h"
#include "translations.h"

int main(int argc, char* argv[]) {
    QApplication qt(argc, argv);
    querlin::installTranslations();
    querlin::presentToDesktop();
    querlin::Application application;
    application.mainWindow().show();
    return QApplication::exec();
}
