#include "bitmap.h"

#include <QImageReader>
#include <QPixmapCache>

namespace querlin {

QPixmap bitmap(const char* name) {
    const QString path = QStringLiteral(":/assets/") + QLatin1String(name);
    QPixmap pixmap;
    // A picture shown twice, as the main window's two coils are, is decoded once.
    if (!QPixmapCache::find(path, &pixmap)) {
        QImageReader reader(path, "png");
        reader.setAutoDetectImageFormat(false);
        pixmap = QPixmap::fromImage(reader.read());
        QPixmapCache::insert(path, pixmap);
    }
    return pixmap;
}

}  // namespace querlin
