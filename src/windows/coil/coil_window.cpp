#include "coil/coil_window.h"

#include "accessible_names.h"
#include "bind_handlers.h"
#include "coil/coil_window_events.h"
#include "coil/coil_window_table.h"
#include "window_builder.h"

namespace querlin {

CoilWindow::CoilWindow(QWidget* parent) : QWidget(parent), fields_(this) {
    buildWindow(this, coilWindowDescription());
    buildControls(this, coilWindowControls());
    nameControls(this, coilWindowCaptions());

    bindHandlers<CoilVariables>(this, fields_, variables_, coilWindowHandlers());
}

}  // namespace querlin
