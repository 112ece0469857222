#include "coil/coil_window.h"

#include "app/window_builder.h"

namespace querlin {

namespace {

constexpr WindowSpec kWindow{"Form2", "COILS", 7770, 6420, true, true, colours::titleBarText};

}  // namespace

CoilWindow::CoilWindow(QWidget* parent) : QWidget(parent) {
    buildWindow(this, kWindow);
}

}  // namespace querlin
