#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QPainter>
#include <QPluginLoader>

#include "plot.h"
#include "plot_parts.h"
#include "svg_writer.h"

// The SVG pictures, painted on the device of the SVG writer module, which is
// loaded the first time a picture is written.

namespace querlin {

namespace {

// The module lies in the folder QUERLIN_SVG_MODULE_DIR names from the
// program's, as installed and in the build alike; a program elsewhere, such as
// a test, finds it in Qt's library paths (QT_PLUGIN_PATH).
const SvgWriter* loadedWriter(QString& why) {
    static QString failure;
    static const SvgWriter* const writer = [] {
        const QString places[] = {
            QDir(QCoreApplication::applicationDirPath())
                .filePath(QStringLiteral(QUERLIN_SVG_MODULE_DIR "/" QUERLIN_SVG_MODULE)),
            QStringLiteral(QUERLIN_SVG_MODULE)};
        for (const QString& place : places) {
            QPluginLoader loader(place);
            if (auto* loaded = qobject_cast<SvgWriter*>(loader.instance())) {
                return static_cast<const SvgWriter*>(loaded);
            }
            failure = loader.errorString();
        }
        return static_cast<const SvgWriter*>(nullptr);
    }();
    why = failure;
    return writer;
}

template <typename Plot>
QByteArray svgOf(const Plot& plot, QString& why) {
    const SvgWriter* writer = loadedWriter(why);
    if (writer == nullptr) {
        return {};
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    const std::unique_ptr<QPaintDevice> device = writer->device(&buffer, kPlotSize, plot.title);
    QPainter painter(device.get());
    draw(painter, plot);
    painter.end();
    return bytes;
}

}  // namespace

QByteArray plotSvg(const SweepPlot& plot, QString& why) {
    return svgOf(plot, why);
}

QByteArray plotSvg(const FrequencyPlot& plot, QString& why) {
    return svgOf(plot, why);
}

}  // namespace querlin
