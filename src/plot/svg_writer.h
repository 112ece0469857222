#pragma once

#include <QIODevice>
#include <QPaintDevice>
#include <QSize>
#include <QString>
#include <QtPlugin>
#include <memory>

namespace querlin {

// What the SVG writer module gives: a paint device that writes what is painted
// on it into the output as an SVG picture of the size, with the title. The
// module holds Qt SVG, which the program loads only when a plot is first saved
// as SVG, since loading a library costs start-up time that the first window
// does not need.
class SvgWriter {
  public:
    virtual ~SvgWriter() = default;
    virtual std::unique_ptr<QPaintDevice> device(QIODevice* output, QSize size,
                                                 const QString& title) const = 0;
};

}  // namespace querlin

#define QUERLIN_SVG_WRITER_IID "org.example.Querlin.SvgWriter/1.0"
Q_DECLARE_INTERFACE(querlin::SvgWriter, QUERLIN_SVG_WRITER_IID)
