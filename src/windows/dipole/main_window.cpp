#include "dipole/main_window.h"

#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

#include "accessible_names.h"
#include "bind_handlers.h"
#include "dipole/coil_position.h"
#include "dipole/main_window_events.h"
#include "dipole/main_window_fields.h"
#include "dipole/main_window_table.h"
#include "fault_report.h"
#include "required_control.h"
#include "window_builder.h"

namespace querlin {

MainWindow::MainWindow(Navigation navigation, QWidget* parent)
    : QWidget(parent), navigation_(std::move(navigation)), fields_(this) {
    buildWindow(this, mainWindowDescription());
    buildControls(this, mainWindowControls());
    nameControls(this, mainWindowCaptions());

    auto* slider = requiredControl<QScrollBar>(this, mainfields::slider);
    slider->setRange(kSliderMinimum, kSliderMaximum);
    slider->setSingleStep(1);
    slider->setPageStep(10);
    // A dragged thumb changes the value once, when it is released.
    slider->setTracking(false);
    requiredControl<QRadioButton>(this, mainfields::feet)->setChecked(true);

    // The coil symbols start where the slider's first value puts them.
    Single left;
    left = leftCoilSymbol(kSliderMinimum);
    Single right;
    right = rightCoilSymbol(kSliderMinimum);
    fields_.setLeft(QString::fromLatin1(mainfields::leftCoil), left.value());
    fields_.setLeft(QString::fromLatin1(mainfields::rightCoil), right.value());

    bindHandlers<DipoleVariables>(this, fields_, variables_, mainWindowHandlers());
    on(mainfields::awgWireSizes, [this] { navigation_.showCoilWindow(); });
    on(mainfields::designCoils, [this] { navigation_.showCoilWindow(); });
    on(mainfields::designCoil, [this] { navigation_.showCoilWindow(); });
    on(mainfields::readMeFirst, [this] { navigation_.showNotes(); });
    on(mainfields::website, [this] { navigation_.showWebLink(); });
}

template <typename Action>
void MainWindow::on(const char* control, Action action) {
    connect(requiredControl<QPushButton>(this, control), &QPushButton::clicked, this,
            [this, action] { runHandler(this, action); });
}

}  // namespace querlin
