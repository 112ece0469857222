#include "app/application.h"

#include <QApplication>
#include <QIcon>

#include "coil/coil_window.h"
#include "dipole/main_window.h"
#include "info/notes_window.h"
#include "info/web_window.h"

namespace querlin {

void presentToDesktop() {
    QApplication::setApplicationName(QStringLiteral("QUERLIN"));
    QGuiApplication::setDesktopFileName(QStringLiteral(QUERLIN_APP_ID));
    QIcon icon;
    icon.addFile(QStringLiteral(":/assets/icon-16.png"));
    icon.addFile(QStringLiteral(":/assets/icon.png"));
    QApplication::setWindowIcon(icon);
}

Application::Application()
    : coil_([] { return new CoilWindow; }),
      notes_([] { return new NotesWindow; }),
      web_([] { return new WebWindow; }) {
    main_ = std::make_unique<MainWindow>(Navigation{
        .showCoilWindow = [this] { coil_.show(); },
        .showNotes = [this] { notes_.show(); },
        .showWebLink = [this] { web_.show(); },
    });
}

Application::~Application() = default;

}  // namespace querlin
