#include "coil/coil_window.h"

#include <QPushButton>

#include "coil/coil_window_fields.h"
#include "coil/coil_window_table.h"
#include "coil/turns.h"
#include "widgets/fault_report.h"
#include "widgets/window_builder.h"

namespace querlin {

CoilWindow::CoilWindow(QWidget* parent) : QWidget(parent), fields_(this) {
    buildWindow(this, coilWindowSpec());
    buildControls(this, coilWindowControls());
    nameControls(this, coilWindowCaptions());

    connect(findChild<QPushButton*>(QString::fromLatin1(coilfields::calculate)),
            &QPushButton::clicked, this,
            [this] { runHandler(this, [this] { calculateTurns(fields_, variables_); }); });
}

}  // namespace querlin
