#include <QBuffer>
#include <QPainter>
#include <QSvgGenerator>

#include "plot.h"
#include "plot_parts.h"

// The SVG writer, in a file of its own: only querlin-calc writes SVG, and the
// program, which never calls it, takes neither this file from the library
// nor Qt SVG.

namespace querlin {

namespace {

template <typename Plot>
QByteArray svgOf(const Plot& plot) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize(kPlotSize);
    generator.setViewBox(QRect(QPoint(), kPlotSize));
    // A browser's 96 pixels to the inch, so that it shows the SVG as big as the PNG.
    generator.setResolution(96);
    generator.setTitle(plot.title);
    QPainter painter(&generator);
    draw(painter, plot);
    painter.end();
    return bytes;
}

}  // namespace

QByteArray plotSvg(const SweepPlot& plot) {
    return svgOf(plot);
}

QByteArray plotSvg(const FrequencyPlot& plot) {
    return svgOf(plot);
}

}  // namespace querlin
