#include "plot.h"

#include <QCoreApplication>

#include "plot_parts.h"

#include <QBuffer>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <limits>

namespace querlin {

namespace {

const QColor kGridColour{0xdd, 0xdd, 0xdd};

QFont fontOf(int pixels, bool bold = false) {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

QString number(double value) {
    return QString::number(value, 'g', 6);
}

QPen curvePen(const QColor& colour, Qt::PenStyle style = Qt::SolidLine) {
    QPen pen(colour, 2.5, style, Qt::RoundCap, Qt::RoundJoin);
    return pen;
}

// The frame, its grid, its ticks' numbers and the value axis's name.
void drawFrame(QPainter& painter, const PlotPanel& panel, const QString& valueName) {
    const QRectF& frame = panel.frame;
    painter.setFont(fontOf(13));
    painter.setPen(QPen(kGridColour, 1));
    const std::vector<double> across = panel.acrossTicks();
    for (const double tick : across) {
        const double x = panel.at(tick, panel.low).x();
        painter.drawLine(QPointF(x, frame.top()), QPointF(x, frame.bottom()));
    }
    for (const double tick : panel.ticks()) {
        const double y = panel.at(0, tick).y();
        painter.setPen(QPen(kGridColour, 1));
        painter.drawLine(QPointF(frame.left(), y), QPointF(frame.right(), y));
        painter.setPen(Qt::black);
        painter.drawText(QRectF(0, y - 10, kLeft - 8, 20), Qt::AlignRight | Qt::AlignVCenter,
                         number(tick));
    }
    painter.setPen(Qt::black);
    for (const double tick : across) {
        const double x = panel.at(tick, panel.low).x();
        painter.drawText(QRectF(x - 30, frame.bottom() + 4, 60, 18), Qt::AlignCenter, number(tick));
    }
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(frame);
    painter.save();
    painter.translate(18, frame.center().y());
    painter.rotate(-90);
    painter.setFont(fontOf(14, true));
    painter.drawText(QRectF(-frame.height() / 2, -10, frame.height(), 22), Qt::AlignCenter,
                     valueName);
    painter.restore();
}

// A curve through the values (x, value) that are finite, broken where one
// is not.
void drawCurve(QPainter& painter, const PlotPanel& panel, const std::vector<QPointF>& values,
               const QPen& pen) {
    QPainterPath path;
    bool drawing = false;
    for (const QPointF& value : values) {
        if (!std::isfinite(value.y())) {
            drawing = false;
            continue;
        }
        const QPointF pixel = panel.at(value.x(), value.y());
        if (drawing) {
            path.lineTo(pixel);
        } else {
            path.moveTo(pixel);
            drawing = true;
        }
    }
    painter.save();
    painter.setClipRect(panel.frame);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(path);
    painter.restore();
}

void drawCurve(QPainter& painter, const PlotPanel& panel, const SweepPlot& plot,
               double SweepPoint::*member, const QColor& colour) {
    std::vector<QPointF> values;
    for (const SweepPoint& point : plot.points) {
        values.emplace_back(point.position, point.*member);
    }
    drawCurve(painter, panel, values, curvePen(colour));
}

// The legend in the right margin, level with the panel's top: a sample of
// each line and what it is.
struct LegendEntry {
    QPen pen;
    QString text;
};
void drawLegend(QPainter& painter, const PlotPanel& panel,
                const std::vector<LegendEntry>& entries) {
    double y = panel.frame.top() + 14;
    const double x = panel.frame.right() + 16;
    painter.setFont(fontOf(13));
    for (const LegendEntry& entry : entries) {
        painter.setPen(entry.pen);
        if (entry.pen.style() == Qt::NoPen) {
            painter.setPen(QPen(Qt::black, 2));
            painter.drawEllipse(QPointF(x + 14, y), 6, 6);
        } else {
            painter.drawLine(QPointF(x, y), QPointF(x + 28, y));
        }
        painter.setPen(Qt::black);
        painter.drawText(QRectF(x + 36, y - 20, kRight - 56, 40),
                         Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap, entry.text);
        y += 44;
    }
}

// A ring round the worked point, and its value beside it.
void ringWorked(QPainter& painter, const PlotPanel& panel, int position, double value,
                const QString& text) {
    if (!std::isfinite(value)) {
        return;
    }
    const QPointF pixel = panel.at(position, value);
    painter.setPen(QPen(Qt::black, 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(pixel, 7, 7);
    painter.setFont(fontOf(13, true));
    painter.drawText(QRectF(pixel.x() - 160, pixel.y() - 32, 150, 20),
                     Qt::AlignRight | Qt::AlignVCenter, text);
}

const SweepPoint* workedPoint(const SweepPlot& plot) {
    if (!plot.worked) {
        return nullptr;
    }
    const auto point =
        std::find_if(plot.points.begin(), plot.points.end(),
                     [&](const SweepPoint& p) { return p.position == *plot.worked; });
    return point == plot.points.end() ? nullptr : &*point;
}

// A white picture with the title and, under it, what is drawn.
void drawTitles(QPainter& painter, const QString& title, const QString& subtitle) {
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.fillRect(QRectF(QPointF(), QSizeF(kPlotSize)), Qt::white);
    painter.setPen(Qt::black);
    painter.setFont(fontOf(20, true));
    painter.drawText(QRectF(0, 12, kPlotSize.width(), 30), Qt::AlignCenter, title);
    painter.setFont(fontOf(14));
    painter.drawText(QRectF(0, 44, kPlotSize.width(), 22), Qt::AlignCenter, subtitle);
}

// The name of the horizontal axis, under the last panel.
void drawAcrossName(QPainter& painter, const PlotPanel& last, const QString& name) {
    painter.setPen(Qt::black);
    painter.setFont(fontOf(14, true));
    painter.drawText(QRectF(last.frame.left(), last.frame.bottom() + 26, last.frame.width(), 24),
                     Qt::AlignCenter, name);
}

// A panel of one figure of each position's build against the position: its
// frame, its curve and its legend; with a unit, the best position ringed
// with its value in that unit.
struct BuiltFigure {
    double SweepPoint::*member;
    QColor colour;
    QString name;    // the value axis's
    QString legend;  // the curve's
    QString unit;    // of the best position's value; none: not ringed
};
void drawBuilt(QPainter& painter, const PlotPanel& panel, const SweepPlot& plot,
               const BuiltFigure& figure) {
    drawFrame(painter, panel, figure.name);
    drawCurve(painter, panel, plot, figure.member, figure.colour);
    std::vector<LegendEntry> entries{{curvePen(figure.colour), figure.legend}};
    const auto best = std::find_if(plot.points.begin(), plot.points.end(),
                                   [&](const SweepPoint& p) { return p.position == plot.best; });
    if (!figure.unit.isEmpty() && best != plot.points.end()) {
        const double value = (*best).*figure.member;
        ringWorked(painter, panel, best->position, value,
                   QStringLiteral("%1 %: %2 %3")
                       .arg(best->position)
                       .arg(value, 0, 'f', 1)
                       .arg(figure.unit));
        entries.push_back(
            {QPen(Qt::NoPen),
             QCoreApplication::translate("Plot", "The best position, %1 %").arg(best->position)});
    }
    drawLegend(painter, panel, entries);
}

}  // namespace

void draw(QPainter& painter, const SweepPlot& plot) {
    const auto [builtLow, builtHigh] = rangeOf(plot, &SweepPoint::loadInductance);
    const bool built = builtHigh >= builtLow;
    drawTitles(
        painter, plot.title,
        built ? QCoreApplication::translate("Plot",
                                            "Each loading coil by the formula and as built to "
                                            "match the line by NEC-2, and what the build gives")
        : plot.checked
            ? QCoreApplication::translate("Plot",
                                          "Each coil's inductance by the formula and as "
                                          "NEC-2 needs it, and where each design resonates")
            : QCoreApplication::translate("Plot", "Each coil's inductance by the formula"));

    const PlotLayout layout = plotLayout(plot);
    const SweepPoint* worked = workedPoint(plot);
    drawFrame(painter, layout.inductance,
              QCoreApplication::translate("Plot", "Coil inductance (µH)"));
    std::vector<LegendEntry> entries{
        {curvePen(kFormulaColour), QCoreApplication::translate("Plot", "By the formula")}};
    if (plot.checked) {
        drawCurve(painter, layout.inductance, plot, &SweepPoint::resonantInductance, kEngineColour);
        entries.push_back({curvePen(kEngineColour),
                           QCoreApplication::translate("Plot", "For resonance at %1 MHz, by NEC-2")
                               .arg(number(plot.target))});
    }
    if (built) {
        drawCurve(painter, layout.inductance, plot, &SweepPoint::loadInductance, kBuiltColour);
        entries.push_back(
            {curvePen(kBuiltColour), QCoreApplication::translate("Plot", "As built, by NEC-2")});
    }
    drawCurve(painter, layout.inductance, plot, &SweepPoint::inductance, kFormulaColour);
    if (worked != nullptr) {
        ringWorked(painter, layout.inductance, worked->position, worked->inductance,
                   QStringLiteral("%1 %: %2").arg(worked->position).arg(plot.workedInductance));
        entries.push_back(
            {QPen(Qt::NoPen), QCoreApplication::translate("Plot", "The worked position, %1 %")
                                  .arg(worked->position)});
    }
    drawLegend(painter, layout.inductance, entries);

    const PlotPanel& last = layout.bandwidth    ? *layout.bandwidth
                            : layout.efficiency ? *layout.efficiency
                            : layout.resonance  ? *layout.resonance
                                                : layout.inductance;
    if (layout.resonance) {
        const PlotPanel& panel = *layout.resonance;
        drawFrame(painter, panel, QCoreApplication::translate("Plot", "Resonance (MHz)"));
        const double y = panel.at(0, plot.target).y();
        painter.setPen(curvePen(kTargetColour, Qt::DashLine));
        painter.drawLine(QPointF(panel.frame.left(), y), QPointF(panel.frame.right(), y));
        drawCurve(painter, panel, plot, &SweepPoint::resonance, kResonanceColour);
        std::vector<LegendEntry> resonanceEntries{
            {curvePen(kResonanceColour),
             QCoreApplication::translate("Plot", "Resonance as built, by NEC-2")},
            {curvePen(kTargetColour, Qt::DashLine),
             QCoreApplication::translate("Plot", "Target, %1 MHz").arg(number(plot.target))}};
        if (worked != nullptr) {
            ringWorked(painter, panel, worked->position, worked->resonance, plot.workedResonance);
        }
        drawLegend(painter, panel, resonanceEntries);
    }
    if (layout.efficiency) {
        drawBuilt(painter, *layout.efficiency, plot,
                  {&SweepPoint::efficiency, kEfficiencyColour,
                   QCoreApplication::translate("Plot", "Efficiency (%)"),
                   QCoreApplication::translate("Plot", "Efficiency as matched, by NEC-2"),
                   QStringLiteral("%")});
    }
    if (layout.bandwidth) {
        drawBuilt(painter, *layout.bandwidth, plot,
                  {&SweepPoint::bandwidth,
                   kBandwidthColour,
                   QCoreApplication::translate("Plot", "Bandwidth (kHz)"),
                   QCoreApplication::translate("Plot", "2:1 SWR bandwidth as matched, by NEC-2"),
                   {}});
    }
    drawAcrossName(painter, last,
                   QCoreApplication::translate(
                       "Plot", "Coil position (% of half the antenna, from the centre)"));
}

namespace {

std::vector<QPointF> valuesOf(const FrequencyTrace& trace, double FrequencyPoint::*member) {
    std::vector<QPointF> values;
    for (const FrequencyPoint& point : trace.points) {
        values.emplace_back(point.frequency, point.*member);
    }
    return values;
}

// The design frequency, a dashed line from the panel's bottom to its top.
void drawTarget(QPainter& painter, const PlotPanel& panel, double target) {
    const double x = panel.at(target, panel.low).x();
    painter.setPen(curvePen(kTargetColour, Qt::DashLine));
    painter.drawLine(QPointF(x, panel.frame.top()), QPointF(x, panel.frame.bottom()));
}

}  // namespace

void draw(QPainter& painter, const FrequencyPlot& plot) {
    drawTitles(painter, plot.title, plot.subtitle);
    const FrequencyLayout layout = frequencyLayout(plot);
    drawFrame(painter, layout.swr, QCoreApplication::translate("Plot", "SWR"));
    std::vector<LegendEntry> entries;
    if (plot.target) {
        drawTarget(painter, layout.swr, *plot.target);
    }
    for (const FrequencyTrace& trace : plot.traces) {
        drawCurve(painter, layout.swr, valuesOf(trace, &FrequencyPoint::swr),
                  curvePen(trace.colour));
        entries.push_back({curvePen(trace.colour), trace.name});
    }
    if (plot.target) {
        entries.push_back({curvePen(kTargetColour, Qt::DashLine),
                           QCoreApplication::translate("Plot", "Design frequency, %1 MHz")
                               .arg(number(*plot.target))});
    }
    drawLegend(painter, layout.swr, entries);
    if (layout.impedance) {
        const PlotPanel& panel = *layout.impedance;
        drawFrame(painter, panel, QCoreApplication::translate("Plot", "Impedance (ohms)"));
        if (plot.target) {
            drawTarget(painter, panel, *plot.target);
        }
        for (const FrequencyTrace& trace : plot.traces) {
            drawCurve(painter, panel, valuesOf(trace, &FrequencyPoint::resistance),
                      curvePen(trace.colour));
            drawCurve(painter, panel, valuesOf(trace, &FrequencyPoint::reactance),
                      curvePen(trace.colour, Qt::DashLine));
        }
        drawLegend(painter, panel,
                   {{curvePen(Qt::black), QCoreApplication::translate("Plot", "Resistance")},
                    {curvePen(Qt::black, Qt::DashLine),
                     QCoreApplication::translate("Plot", "Reactance")}});
    }
    drawAcrossName(painter, layout.impedance ? *layout.impedance : layout.swr,
                   QCoreApplication::translate("Plot", "Frequency (MHz)"));
}

namespace {

// The picture on an image, and as a PNG file's bytes.
template <typename Plot>
QImage imageOf(const Plot& plot, double scale) {
    QImage image(kPlotSize * scale, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.scale(scale, scale);
    draw(painter, plot);
    return image;
}

template <typename Plot>
QByteArray pngOf(const Plot& plot) {
    const QImage image = imageOf(plot, 1);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

}  // namespace

QImage plotImage(const SweepPlot& plot, double scale) {
    return imageOf(plot, scale);
}

QImage plotImage(const FrequencyPlot& plot, double scale) {
    return imageOf(plot, scale);
}

QByteArray plotPng(const SweepPlot& plot) {
    return pngOf(plot);
}

QByteArray plotPng(const FrequencyPlot& plot) {
    return pngOf(plot);
}

}  // namespace querlin
