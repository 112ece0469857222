#include <QApplication>
#include <QIcon>

#include "app/application.h"
#include "dipole/main_window.h"

int main(int argc, char* argv[]) {
    QApplication qt(argc, argv);
    QApplication::setApplicationName(QStringLiteral("QUERLIN"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/assets/icon.png")));
    querlin::Application application;
    application.mainWindow().show();
    return QApplication::exec();
}
