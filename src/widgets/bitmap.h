#pragma once

#include <QPixmap>
#include <span>

namespace querlin {

// A picture of assets/, its pixels turned by the build into the format a
// raster pixmap draws, so that starting the program decodes no image file.
struct EmbeddedBitmap {
    const char* name;  // the file name in assets/, such as "antenna.png"
    int width;
    int height;
    bool alpha;             // premultiplied ARGB32 if so, else RGB32
    const quint32* pixels;  // row after row, no padding
};

std::span<const EmbeddedBitmap> embeddedBitmaps();

// The picture of that name; a null pixmap for a name the build did not embed.
QPixmap bitmap(const char* name);

}  // namespace querlin
