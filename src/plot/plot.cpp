#include "plot.h"

#include <QBuffer>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QSvgGenerator>
#include <algorithm>
#include <cmath>
#include <limits>

namespace querlin {

namespace {

constexpr double kLeft = 90;
constexpr double kRight = 240;
constexpr double kTop = 80;
constexpr double kBottom = 60;
constexpr double kGap = 70;
constexpr int kPositionStep = 10;  // per cent between the position axis's ticks

const QColor kGridColour{0xdd, 0xdd, 0xdd};

// A value axis from low to high in round steps, about five of them.
PlotPanel panelFor(const QRectF& frame, double low, double high) {
    if (!(high > low)) {
        high = low + std::max(std::abs(low) * 0.01, 1e-6);
    }
    const double rough = (high - low) / 5;
    const double decade = std::pow(10.0, std::floor(std::log10(rough)));
    double step = decade * 10;
    for (const double factor : {1.0, 2.0, 5.0}) {
        if (decade * factor >= rough) {
            step = decade * factor;
            break;
        }
    }
    return {frame, std::floor(low / step) * step, std::ceil(high / step) * step, step};
}

// A logarithmic axis from the greatest 1, 2 or 5 times a power of ten at or
// below low to the least at or above high.
PlotPanel logarithmicPanelFor(const QRectF& frame, double low, double high) {
    const auto rounded = [](double value, bool up) {
        const double decade = std::pow(10.0, std::floor(std::log10(value)));
        double below = decade;
        for (const double factor : {1.0, 2.0, 5.0, 10.0}) {
            if (up && decade * factor >= value * (1 - 1e-9)) {
                return decade * factor;
            }
            if (decade * factor <= value * (1 + 1e-9)) {
                below = decade * factor;
            }
        }
        return below;
    };
    return {frame, rounded(low, false), rounded(high, true), 0, true};
}

// The least and greatest of the finite values a member of the points gives.
std::pair<double, double> rangeOf(const SweepPlot& plot, double SweepPoint::*member) {
    double low = std::numeric_limits<double>::infinity();
    double high = -low;
    for (const SweepPoint& point : plot.points) {
        if (std::isfinite(point.*member)) {
            low = std::min(low, point.*member);
            high = std::max(high, point.*member);
        }
    }
    return {low, high};
}

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
    for (int position = 0; position <= 100; position += kPositionStep) {
        const double x = panel.at(position, panel.low).x();
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
    for (int position = 0; position <= 100; position += kPositionStep) {
        const double x = panel.at(position, panel.low).x();
        painter.drawText(QRectF(x - 30, frame.bottom() + 4, 60, 18), Qt::AlignCenter,
                         QString::number(position));
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

// A curve through the points' finite values, broken where there is none.
void drawCurve(QPainter& painter, const PlotPanel& panel, const SweepPlot& plot,
               double SweepPoint::*member, const QColor& colour) {
    QPainterPath path;
    bool drawing = false;
    for (const SweepPoint& point : plot.points) {
        const double value = point.*member;
        if (!std::isfinite(value)) {
            drawing = false;
            continue;
        }
        const QPointF pixel = panel.at(point.position, value);
        if (drawing) {
            path.lineTo(pixel);
        } else {
            path.moveTo(pixel);
            drawing = true;
        }
    }
    painter.save();
    painter.setClipRect(panel.frame);
    painter.setPen(curvePen(colour));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(path);
    painter.restore();
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

void draw(QPainter& painter, const SweepPlot& plot) {
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.fillRect(QRectF(QPointF(), QSizeF(kPlotSize)), Qt::white);
    painter.setPen(Qt::black);
    painter.setFont(fontOf(20, true));
    painter.drawText(QRectF(0, 12, kPlotSize.width(), 30), Qt::AlignCenter, plot.title);
    painter.setFont(fontOf(14));
    painter.drawText(QRectF(0, 44, kPlotSize.width(), 22), Qt::AlignCenter,
                     plot.checked
                         ? QStringLiteral("Each coil's inductance by the formula and as "
                                          "NEC-2 needs it, and where each design resonates")
                         : QStringLiteral("Each coil's inductance by the formula"));

    const PlotLayout layout = plotLayout(plot);
    const SweepPoint* worked = workedPoint(plot);
    drawFrame(painter, layout.inductance, QStringLiteral("Coil inductance (µH)"));
    std::vector<LegendEntry> entries{{curvePen(kFormulaColour), QStringLiteral("By the formula")}};
    if (plot.checked) {
        drawCurve(painter, layout.inductance, plot, &SweepPoint::resonantInductance, kEngineColour);
        entries.push_back(
            {curvePen(kEngineColour),
             QStringLiteral("For resonance at %1 MHz, by NEC-2").arg(number(plot.target))});
    }
    drawCurve(painter, layout.inductance, plot, &SweepPoint::inductance, kFormulaColour);
    if (worked != nullptr) {
        ringWorked(painter, layout.inductance, worked->position, worked->inductance,
                   QStringLiteral("%1 %: %2").arg(worked->position).arg(plot.workedInductance));
        entries.push_back(
            {QPen(Qt::NoPen), QStringLiteral("The worked position, %1 %").arg(worked->position)});
    }
    drawLegend(painter, layout.inductance, entries);

    const PlotPanel& last = layout.efficiency  ? *layout.efficiency
                            : layout.resonance ? *layout.resonance
                                               : layout.inductance;
    if (layout.resonance) {
        const PlotPanel& panel = *layout.resonance;
        drawFrame(painter, panel, QStringLiteral("Resonance (MHz)"));
        const double y = panel.at(0, plot.target).y();
        painter.setPen(curvePen(kTargetColour, Qt::DashLine));
        painter.drawLine(QPointF(panel.frame.left(), y), QPointF(panel.frame.right(), y));
        drawCurve(painter, panel, plot, &SweepPoint::resonance, kResonanceColour);
        std::vector<LegendEntry> resonanceEntries{
            {curvePen(kResonanceColour), QStringLiteral("Resonance as built, by NEC-2")},
            {curvePen(kTargetColour, Qt::DashLine),
             QStringLiteral("Target, %1 MHz").arg(number(plot.target))}};
        if (worked != nullptr) {
            ringWorked(painter, panel, worked->position, worked->resonance, plot.workedResonance);
        }
        drawLegend(painter, panel, resonanceEntries);
    }
    if (layout.efficiency) {
        const PlotPanel& panel = *layout.efficiency;
        drawFrame(painter, panel, QStringLiteral("Efficiency (%)"));
        drawCurve(painter, panel, plot, &SweepPoint::efficiency, kEfficiencyColour);
        std::vector<LegendEntry> efficiencyEntries{
            {curvePen(kEfficiencyColour), QStringLiteral("Efficiency as matched, by NEC-2")}};
        const auto best =
            std::find_if(plot.points.begin(), plot.points.end(),
                         [&](const SweepPoint& p) { return p.position == plot.best; });
        if (best != plot.points.end()) {
            ringWorked(
                painter, panel, best->position, best->efficiency,
                QStringLiteral("%1 %: %2 %").arg(best->position).arg(best->efficiency, 0, 'f', 1));
            efficiencyEntries.push_back(
                {QPen(Qt::NoPen), QStringLiteral("The best position, %1 %").arg(best->position)});
        }
        drawLegend(painter, panel, efficiencyEntries);
    }
    painter.setPen(Qt::black);
    painter.setFont(fontOf(14, true));
    painter.drawText(QRectF(last.frame.left(), last.frame.bottom() + 26, last.frame.width(), 24),
                     Qt::AlignCenter,
                     QStringLiteral("Coil position (% of half the antenna, from the centre)"));
}

}  // namespace

QPointF PlotPanel::at(double position, double value) const {
    const double share =
        logarithmic ? std::log(value / low) / std::log(high / low) : (value - low) / (high - low);
    return {frame.left() + frame.width() * position / 100, frame.bottom() - frame.height() * share};
}

std::vector<double> PlotPanel::ticks() const {
    std::vector<double> values;
    if (!logarithmic) {
        const int count = static_cast<int>(std::lround((high - low) / step));
        for (int i = 0; i <= count; ++i) {
            values.push_back(low + i * step);
        }
        return values;
    }
    for (double decade = std::pow(10.0, std::floor(std::log10(low))); decade <= high;
         decade *= 10) {
        for (const double factor : {1.0, 2.0, 5.0}) {
            const double tick = decade * factor;
            if (tick >= low * (1 - 1e-9) && tick <= high * (1 + 1e-9)) {
                values.push_back(tick);
            }
        }
    }
    return values;
}

PlotLayout plotLayout(const SweepPlot& plot) {
    const double width = kPlotSize.width() - kLeft - kRight;
    const double height = kPlotSize.height() - kTop - kBottom;
    const auto [efficiencyLow, efficiencyHigh] = rangeOf(plot, &SweepPoint::efficiency);
    const bool built = plot.checked && efficiencyHigh >= efficiencyLow;
    const int panels = built ? 3 : plot.checked ? 2 : 1;
    const double panelHeight = (height - (panels - 1) * kGap) / panels;
    auto [inductanceLow, inductanceHigh] = rangeOf(plot, &SweepPoint::inductance);
    if (plot.checked) {
        const auto [low, high] = rangeOf(plot, &SweepPoint::resonantInductance);
        inductanceLow = std::min(inductanceLow, low);
        inductanceHigh = std::max(inductanceHigh, high);
    }
    const QRectF inductanceFrame(kLeft, kTop, width, panelHeight);
    PlotLayout layout{inductanceLow > 0 && inductanceHigh > 10 * inductanceLow
                          ? logarithmicPanelFor(inductanceFrame, inductanceLow, inductanceHigh)
                          : panelFor(inductanceFrame, 0, inductanceHigh),
                      {},
                      {}};
    if (plot.checked) {
        const auto [low, high] = rangeOf(plot, &SweepPoint::resonance);
        layout.resonance = panelFor(QRectF(kLeft, kTop + panelHeight + kGap, width, panelHeight),
                                    std::min(low, plot.target), std::max(high, plot.target));
    }
    if (built) {
        layout.efficiency =
            panelFor(QRectF(kLeft, kTop + 2 * (panelHeight + kGap), width, panelHeight),
                     efficiencyLow, efficiencyHigh);
    }
    return layout;
}

QImage plotImage(const SweepPlot& plot, double scale) {
    QImage image(kPlotSize * scale, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.scale(scale, scale);
    draw(painter, plot);
    return image;
}

QByteArray plotPng(const SweepPlot& plot) {
    const QImage image = plotImage(plot, 1);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

QByteArray plotSvg(const SweepPlot& plot) {
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

}  // namespace querlin
