#pragma once

#include "handler_fault.h"

class QWidget;

namespace querlin {

// Reports a fault that ended a handler of the given window: a warning box,
// modal to that window only and opened without blocking, titled with the
// window's caption. The program goes on.
void reportFault(QWidget* window, const HandlerFault& fault);

// Runs one event handler of a window; a fault ends it and is reported once.
// Whether the handler ran to its end.
template <typename Handler>
bool runHandler(QWidget* window, Handler&& handler) {
    try {
        handler();
        return true;
    } catch (const HandlerFault& fault) {
        reportFault(window, fault);
        return false;
    }
}

}  // namespace querlin
