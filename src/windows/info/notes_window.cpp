#include "info/notes_window.h"

#include "info/notes_window_table.h"
#include "window_builder.h"

namespace querlin {

NotesWindow::NotesWindow(QWidget* parent) : QWidget(parent) {
    buildWindow(this, notesWindowDescription());
    // The boxes keep their places when the window is resized: no layout.
    buildControls(this, notesWindowControls());
    nameControls(this, notesWindowCaptions());
}

}  // namespace querlin
