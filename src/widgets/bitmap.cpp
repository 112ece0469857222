#include "bitmap.h"

#include <QImageReader>

namespace querlin {

QPixmap bitmap(const char* name) {
    QImageReader reader(QStringLiteral(":/assets/") + QLatin1String(name), "png");
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
}

}  // namespace querlin
