#pragma once

class QWidget;

namespace querlin {

// Every page that start-up touches for the first time costs a page fault of
// its own, and on a virtual machine each costs several microseconds: the 650
// faults of building and drawing the main window were a tenth of the time to it.
// These ask the kernel for the pages start-up is about to use in one call
// each, at a small part of that cost.

// The heap that the Qt application and the first window allocate from. Call it
// first in main, before the QApplication is made.
void prefaultStartupHeap();

// The memory the window's first frame is drawn into, and the threads that help
// draw it. Call it when the window is built, before it is first shown.
void prepareFirstFrame(QWidget& window);

}  // namespace querlin
