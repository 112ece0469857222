#include "required_control.h"

#include <QtGlobal>

namespace querlin {

void missingControl(const QWidget* window, const char* name) {
    qFatal("The window %s has no control %s of the kind its code uses",
           qPrintable(window->objectName()), name);
}

}  // namespace querlin
