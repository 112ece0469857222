#include "fault_report.h"

#include <QMessageBox>
#include <QWidget>

namespace querlin {

void reportFault(QWidget* window, const HandlerFault& fault) {
    auto* box = new QMessageBox(QMessageBox::Warning, window->windowTitle(), fault.message,
                                QMessageBox::Ok, window);
    box->setObjectName(QStringLiteral("faultReport"));
    box->setWindowModality(Qt::WindowModal);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

}  // namespace querlin
