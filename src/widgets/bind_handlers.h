#pragma once

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QRadioButton>
#include <functional>
#include <span>

#include "fault_report.h"
#include "fields.h"
#include "required_control.h"

namespace querlin {

// Connects each listed control of a window to its handler, which must be in
// the window: a button's click,
// an option button's click that selects it (a click on the selected one runs
// nothing), a scroll bar's change of value. A fault ends the handler and is
// reported once. The fields and variables live as long as the window. After
// each handler, ran learns which control's handler it was and whether it ran
// to its end.
using HandlerRan = std::function<void(const char* control, bool succeeded)>;

template <typename Variables>
void bindHandlers(QWidget* window, Fields& fields, Variables& variables,
                  std::span<const Handler<Variables>> handlers, HandlerRan ran = {}) {
    for (const Handler<Variables>& handler : handlers) {
        QWidget* control = requiredControl(window, handler.control);
        const auto run = [window, &fields, &variables, handler, ran] {
            const bool succeeded = runHandler(window, [&] { handler.run(fields, variables); });
            if (ran) {
                ran(handler.control, succeeded);
            }
        };
        if (auto* bar = qobject_cast<QAbstractSlider*>(control)) {
            QObject::connect(bar, &QAbstractSlider::valueChanged, window, run);
        } else if (auto* option = qobject_cast<QRadioButton*>(control)) {
            QObject::connect(option, &QRadioButton::toggled, window, [run](bool selected) {
                if (selected) {
                    run();
                }
            });
        } else {
            QObject::connect(requiredControl<QAbstractButton>(window, handler.control),
                             &QAbstractButton::clicked, window, run);
        }
    }
}

}  // namespace querlin
