#include "info/web_window.h"

#include "app/window_builder.h"

namespace querlin {

namespace {

constexpr WindowSpec kWindow{"web", "Web Page Link", 3315, 1845, false, false, colours::buttonFace};

}  // namespace

WebWindow::WebWindow(QWidget* parent) : QWidget(parent) {
    buildWindow(this, kWindow);
}

}  // namespace querlin
