#include "coil/coil_window.h"

#include <QCoreApplication>
#include <QMessageBox>

#include "accessible_names.h"
#include "bind_handlers.h"
#include "build/coil_details.h"
#include "coil/coil_window_events.h"
#include "coil/coil_window_fields.h"
#include "coil/coil_window_table.h"
#include "field_menu.h"
#include "required_control.h"
#include "window_builder.h"

namespace querlin {

CoilWindow::CoilWindow(QWidget* parent) : QWidget(parent), fields_(this) {
    buildWindow(this, coilWindowDescription());
    buildControls(this, coilWindowControls());
    nameControls(this, coilWindowCaptions());

    bindHandlers<CoilVariables>(this, fields_, variables_, coilWindowHandlers());
    addFieldAction(requiredControl(this, coilfields::turns),
                   QCoreApplication::translate("querlin::CoilWindow", "The coil as wound…"),
                   [this] { showCoilAsWound(); });
}

void CoilWindow::showCoilAsWound() {
    const auto text = [this](const Field& field) {
        return fields_.text(QLatin1String(field.name));
    };
    const build::CoilDetails details =
        build::designCoilDetails({text(coilfields::inductance), text(coilfields::coilDiameter),
                                  text(coilfields::coilLength), text(coilfields::wireDiameter)},
                                 std::nullopt, QLocale());
    auto* box =
        new QMessageBox(QMessageBox::Information,
                        QCoreApplication::translate("querlin::CoilWindow", "The coil as wound"),
                        details.whyNot.isEmpty() ? details.lines.join(u'\n') : details.whyNot,
                        QMessageBox::Close, this);
    box->setObjectName(QStringLiteral("coilAsWound"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

}  // namespace querlin
