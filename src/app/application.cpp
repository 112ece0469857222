#include "application.h"

#include <QApplication>
#include <QIcon>

#include "antenna/check_window.h"
#include "bitmap.h"
#include "coil/coil_window.h"
#include "coil/coil_window_fields.h"
#include "dipole/main_window.h"
#include "info/notes_window.h"
#include "info/web_window.h"
#include "widget_fields.h"
#include "window_builder.h"

namespace querlin {

void presentToDesktop() {
    QApplication::setApplicationName(QStringLiteral("QUERLIN"));
    QGuiApplication::setDesktopFileName(QStringLiteral(QUERLIN_APP_ID));
    QIcon icon;
    icon.addPixmap(bitmap("icon-16.png"));
    icon.addPixmap(bitmap("icon.png"));
    QApplication::setWindowIcon(icon);
    // The windows' own regular face serves as the default font too, for the
    // fault reports and for what a text box lays out before it takes its font,
    // so that no face is loaded that no window draws.
    QApplication::setFont(controlFont(fonts::R8));
}

Application::Application()
    : coil_([] { return new CoilWindow; }),
      notes_([] { return new NotesWindow; }),
      web_([] { return new WebWindow; }),
      check_([this] {
          // The loading coil's inductance goes into the coil window's field,
          // the other fields as the user left them; the former and wire
          // typed there are the check's coil to wind.
          return new CheckWindow(
              [this](const QString& inductance) {
                  WidgetFields(coil_.show())
                      .setText(QLatin1String(coilfields::inductance.name), inductance);
              },
              [this]() -> std::optional<LoadingCoil> {
                  if (coil_.window() == nullptr) {
                      return std::nullopt;
                  }
                  const WidgetFields fields(coil_.window());
                  QString texts[3];
                  int i = 0;
                  for (const Field& field : {coilfields::coilDiameter, coilfields::coilLength,
                                             coilfields::wireDiameter}) {
                      texts[i] = fields.text(QLatin1String(field.name)).trimmed();
                      bool ok = false;
                      if (!(fields.locale().toDouble(texts[i++], &ok) > 0) || !ok) {
                          return std::nullopt;
                      }
                  }
                  return LoadingCoil{texts[0], texts[1], texts[2]};
              });
      }) {
    main_ = std::make_unique<MainWindow>(Navigation{
        .showCoilWindow = [this] { coil_.show(); },
        .showNotes = [this] { notes_.show(); },
        .showWebLink = [this] { web_.show(); },
        .showCheckWindow =
            [this] { static_cast<CheckWindow*>(check_.show())->check(main_->lastCalculation()); },
    });
}

Application::~Application() = default;

}  // namespace querlin
