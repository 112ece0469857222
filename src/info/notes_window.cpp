#include "info/notes_window.h"

#include "app/window_builder.h"

namespace querlin {

namespace {

constexpr WindowSpec kWindow{"Form3", "NOTES", 8430, 5820, true, true, Colour::bgr(0x00FFFF80)};

}  // namespace

NotesWindow::NotesWindow(QWidget* parent) : QWidget(parent) {
    buildWindow(this, kWindow);
}

}  // namespace querlin
