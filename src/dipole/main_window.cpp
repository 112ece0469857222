#include "dipole/main_window.h"

#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

#include "dipole/coil_position.h"
#include "dipole/loading_coil.h"
#include "dipole/main_window_fields.h"
#include "dipole/main_window_table.h"
#include "dipole/matching_coil.h"
#include "dipole/units.h"
#include "widgets/accessible_names.h"
#include "widgets/fault_report.h"
#include "widgets/window_builder.h"

namespace querlin {

MainWindow::MainWindow(Navigation navigation, QWidget* parent)
    : QWidget(parent), navigation_(std::move(navigation)), fields_(this) {
    buildWindow(this, mainWindowSpec());
    buildControls(this, mainWindowControls());
    nameControls(this, mainWindowCaptions());

    auto* slider = findChild<QScrollBar*>(QString::fromLatin1(mainfields::slider));
    slider->setRange(kSliderMinimum, kSliderMaximum);
    slider->setSingleStep(1);
    slider->setPageStep(10);
    slider->setValue(kSliderMinimum);
    // A dragged thumb changes the value once, when it is released.
    slider->setTracking(false);
    findChild<QRadioButton*>(QString::fromLatin1(mainfields::feet))->setChecked(true);

    // The coil symbols start where the slider's first value puts them.
    Single left;
    left = leftCoilSymbol(kSliderMinimum);
    Single right;
    right = rightCoilSymbol(kSliderMinimum);
    fields_.setLeft(QString::fromLatin1(mainfields::leftCoil), left.value());
    fields_.setLeft(QString::fromLatin1(mainfields::rightCoil), right.value());

    connect(slider, &QScrollBar::valueChanged, this,
            [this] { runHandler(this, [this] { showCoilPosition(fields_, variables_); }); });
    connect(findChild<QRadioButton*>(QString::fromLatin1(mainfields::metric)),
            &QRadioButton::toggled, this, [this](bool selected) {
                if (selected) {
                    runHandler(this, [this] { selectMetric(fields_); });
                }
            });
    connect(findChild<QRadioButton*>(QString::fromLatin1(mainfields::feet)), &QRadioButton::toggled,
            this, [this](bool selected) {
                if (selected) {
                    runHandler(this, [this] { selectFeet(fields_); });
                }
            });

    on(mainfields::loadingCalculate, [this] { calculateLoadingCoil(fields_, variables_); });
    on(mainfields::matchingCalculate, [this] { calculateMatchingCoil(fields_, variables_); });
    on(mainfields::awgWireSizes, [this] { navigation_.showCoilWindow(); });
    on(mainfields::designCoils, [this] { navigation_.showCoilWindow(); });
    on(mainfields::designCoil, [this] { navigation_.showCoilWindow(); });
    on(mainfields::readMeFirst, [this] { navigation_.showNotes(); });
    on(mainfields::website, [this] { navigation_.showWebLink(); });
}

template <typename Handler>
void MainWindow::on(const char* control, Handler handler) {
    connect(findChild<QPushButton*>(QString::fromLatin1(control)), &QPushButton::clicked, this,
            [this, handler] { runHandler(this, handler); });
}

}  // namespace querlin
