#pragma once

#include <QPixmap>

namespace querlin {

// A picture of assets/, compiled into the program as a Qt resource and read
// as the PNG it is, so that no image plugin is asked what the file might be.
// A null pixmap for a name the build did not include.
QPixmap bitmap(const char* name);

}  // namespace querlin
