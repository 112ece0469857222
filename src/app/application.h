#pragma once

#include <memory>

#include "window_slot.h"

namespace querlin {

class MainWindow;

// Names the program to the desktop: its name, the desktop entry its windows
// belong to (so that a task bar shows the entry's name and icon) and the window
// icon. Call it once, after the QApplication is made.
void presentToDesktop();

// The program's windows: the main window, which exists from the start, and the
// one slot of each secondary window, empty until its first use.
class Application {
  public:
    Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;
    ~Application();

    MainWindow& mainWindow() { return *main_; }
    WindowSlot& coilWindow() { return coil_; }
    WindowSlot& notesWindow() { return notes_; }
    WindowSlot& webLinkWindow() { return web_; }
    WindowSlot& checkWindow() { return check_; }

  private:
    WindowSlot coil_;
    WindowSlot notes_;
    WindowSlot web_;
    WindowSlot check_;
    std::unique_ptr<MainWindow> main_;
};

}  // namespace querlin
