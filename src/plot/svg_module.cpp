#include <QObject>
#include <QSvgGenerator>

#include "svg_writer.h"

// The SVG writer module: Qt SVG's generator behind the plot library's
// interface, a plugin that the plot library loads on first use.

namespace querlin {

class SvgModule : public QObject, public SvgWriter {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QUERLIN_SVG_WRITER_IID)
    Q_INTERFACES(querlin::SvgWriter)

  public:
    std::unique_ptr<QPaintDevice> device(QIODevice* output, QSize size,
                                         const QString& title) const override {
        auto generator = std::make_unique<QSvgGenerator>();
        generator->setOutputDevice(output);
        generator->setSize(size);
        generator->setViewBox(QRect(QPoint(), size));
        // A browser's 96 pixels to the inch, so that it shows the SVG as big as
        // the PNG.
        generator->setResolution(96);
        generator->setTitle(title);
        return generator;
    }
};

}  // namespace querlin

#include "svg_module.moc"
