#include "window_slot.h"

namespace querlin {

WindowSlot::WindowSlot(std::function<QWidget*()> create) : create_(std::move(create)) {}

WindowSlot::~WindowSlot() {
    delete window_;
}

QWidget* WindowSlot::show() {
    if (window_ == nullptr) {
        window_ = create_();
        window_->setAttribute(Qt::WA_DeleteOnClose);
    }
    window_->show();
    window_->raise();
    window_->activateWindow();
    return window_;
}

}  // namespace querlin
