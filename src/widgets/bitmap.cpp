#include "bitmap.h"

#include <QImage>
#include <cstring>

namespace querlin {

QPixmap bitmap(const char* name) {
    for (const EmbeddedBitmap& embedded : embeddedBitmaps()) {
        if (std::strcmp(embedded.name, name) == 0) {
            const QImage image(
                reinterpret_cast<const uchar*>(embedded.pixels), embedded.width, embedded.height,
                embedded.alpha ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
            return QPixmap::fromImage(image);
        }
    }
    return {};
}

}  // namespace querlin
