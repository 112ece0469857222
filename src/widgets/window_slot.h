#pragma once

#include <QPointer>
#include <QWidget>
#include <functional>

namespace querlin {

// The one instance of a secondary window. The first request creates it; a
// request while it is open raises and activates the same window, typed texts
// and all; after its close box the next request builds it anew.
class WindowSlot {
  public:
    explicit WindowSlot(std::function<QWidget*()> create);
    WindowSlot(const WindowSlot&) = delete;
    WindowSlot& operator=(const WindowSlot&) = delete;
    ~WindowSlot();

    // Shows the window modeless, as a top-level window without an owner.
    QWidget* show();
    QWidget* window() const { return window_; }

  private:
    std::function<QWidget*()> create_;
    QPointer<QWidget> window_;
};

}  // namespace querlin
