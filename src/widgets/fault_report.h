#pragma once

#include "handler_fault.h"

class QWidget;

namespace querlin {

// Reports a fault that ended a handler of the given window: a warning box,
// modal to that window only and opened without blocking, titled with the
// window's caption. The program goes on.
void reportFault(QWidget* window, const HandlerFault& fault);

// Runs one event handler of a window; a fault ends it and is reported once.
template <typename Handler>
void runHandler(QWidget* window, Handler&& handler) {
    try {
        handler();
    } catch (const HandlerFault& fault) {
        reportFault(window, fault);
    }
}

}  // namespace querlin
