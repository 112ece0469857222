#include "dipole/main_window.h"

#include <QCoreApplication>

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QShortcut>

#include "accessible_names.h"
#include "bind_handlers.h"
#include "dipole/coil_position.h"
#include "dipole/main_window_events.h"
#include "dipole/main_window_fields.h"
#include "dipole/main_window_table.h"
#include "fault_report.h"
#include "field_menu.h"
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

    bindHandlers<DipoleVariables>(
        this, fields_, variables_, mainWindowHandlers(),
        [this](const char* control, bool succeeded) { recordCalculation(control, succeeded); });
    on(mainfields::awgWireSizes, [this] { navigation_.showCoilWindow(); });
    on(mainfields::designCoils, [this] { navigation_.showCoilWindow(); });
    on(mainfields::designCoil, [this] { navigation_.showCoilWindow(); });
    on(mainfields::readMeFirst, [this] { navigation_.showNotes(); });
    on(mainfields::website, [this] { navigation_.showWebLink(); });
    connect(requiredControl<QLineEdit>(this, mainfields::percentage), &QLineEdit::editingFinished,
            this, &MainWindow::takeTypedPosition);
    for (const char* control : {mainfields::coilDistance, mainfields::loadingInductance,
                                mainfields::impedance, mainfields::antennaDrawing}) {
        offerCheck(requiredControl(this, control));
    }
    // The check from anywhere in the window. Ctrl+K alone deletes to the end
    // of the line in a text box on the Linux desktops, and nearly every
    // control here is a text box.
    auto* check = new QShortcut(checkShortcut(), this);
    connect(check, &QShortcut::activated, this, [this] { navigation_.showCheckWindow(); });
    // What the results' menus hold is said where the pointer rests.
    const QString checkTip =
        QCoreApplication::translate("querlin::MainWindow",
                                    "Its context menu checks the design with NEC-2 (or press %1).")
            .arg(checkShortcut().toString(QKeySequence::NativeText));
    for (const char* result :
         {mainfields::coilDistance, mainfields::loadingInductance, mainfields::impedance}) {
        requiredControl(this, result)->setToolTip(checkTip);
    }
}

QKeySequence MainWindow::checkShortcut() {
    return {Qt::CTRL | Qt::SHIFT | Qt::Key_K};
}

void MainWindow::recordCalculation(const char* control, bool succeeded) {
    using State = LastCalculation::State;
    if (qstrcmp(control, mainfields::loadingCalculate) == 0) {
        if (!succeeded) {
            last_ = {State::Faulted, {}, {}, {}};
            return;
        }
        const auto text = [this](const char* name) {
            return fields_.text(QString::fromLatin1(name));
        };
        last_ = {State::Calculated,
                 {text(mainfields::frequency.name), text(mainfields::totalLength.name),
                  text(mainfields::elementSize.name),
                  fields_.value(QString::fromLatin1(mainfields::slider)),
                  fields_.isSelected(QString::fromLatin1(mainfields::metric))},
                 {},
                 {}};
    } else if (qstrcmp(control, mainfields::matchingCalculate) == 0 &&
               last_.state == State::Calculated) {
        // A feed line that cannot be matched leaves the check's default line.
        last_.feedline = succeeded
                             ? fields_.text(QString::fromLatin1(mainfields::feedlineImpedance.name))
                             : QString();
        last_.feedlineOhms = succeeded ? variables_.mimp.value() : 0;
    }
}

// The result's context menu ends with the check.
void MainWindow::offerCheck(QWidget* control) {
    addFieldAction(control, QCoreApplication::translate("querlin::MainWindow", "Check with NEC-2…"),
                   [this] { navigation_.showCheckWindow(); });
}

// A position typed into the percentage box, on Return or when the box loses
// the focus, moves the slider there as a drag would: its Change shows the
// percentage, moves the coil symbols and the next CALCULATE reads it. Any
// other text gives way to the slider's percentage, since nothing else reads
// the box. Only the user's typing counts: the texts the handlers write leave
// the box unmodified.
void MainWindow::takeTypedPosition() {
    auto* box = requiredControl<QLineEdit>(this, mainfields::percentage);
    if (!box->isModified()) {
        return;
    }
    auto* slider = requiredControl<QScrollBar>(this, mainfields::slider);
    const std::optional<int> value = sliderValueForTyped(box->text());
    if (value && *value != slider->value()) {
        slider->setValue(*value);
    } else {
        box->setText(QString::number(coilPercentage(slider->value())));
    }
}

template <typename Action>
void MainWindow::on(const char* control, Action action) {
    connect(requiredControl<QPushButton>(this, control), &QPushButton::clicked, this,
            [this, action] { runHandler(this, action); });
}

}  // namespace querlin
