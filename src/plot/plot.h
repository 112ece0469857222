#pragma once

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QPointF>
#include <QRectF>
#include <QSize>
#include <QString>
#include <limits>
#include <optional>
#include <vector>

namespace querlin {

// A sweep as the plot draws it: each position's inductance by the formula
// and, when the sweep was checked, what the engine says of it (NaN where it
// found none); when it was built with the coils' loss, the efficiency of
// each position's build.
struct SweepPoint {
    int position;               // per cent of half the antenna
    double inductance;          // of each coil by the formula, uH
    double resonantInductance;  // that resonates at the design frequency, uH
    double resonance;           // of the design as built, MHz
    double efficiency = std::numeric_limits<double>::quiet_NaN();  // per cent
};

struct SweepPlot {
    QString title;              // the design, as the words gave it
    double target;              // the design frequency, MHz
    bool checked;               // whether the engine's figures are there
    std::optional<int> worked;  // the position to mark, per cent
    QString workedInductance;   // its texts beside the marks: "14.74 uH"
    QString workedResonance;    // "7.1977 MHz"
    std::vector<SweepPoint> points;
    std::optional<int> best = std::nullopt;  // the position of highest efficiency
};

// One panel of the plot: where its frame lies in the picture, in pixels, and
// the values at its edges. The position axis always runs from 0 to 100 %. A
// logarithmic value axis has its ticks at 1, 2 and 5 times the powers of ten.
struct PlotPanel {
    QRectF frame;
    double low;   // the value at the frame's bottom edge
    double high;  // and at its top edge
    double step;  // between the value axis's ticks, when linear
    bool logarithmic = false;

    // The values at the value axis's ticks, from low to high.
    std::vector<double> ticks() const;

    // The pixel of a position (per cent) and a value.
    QPointF at(double position, double value) const;
};

// The picture's layout. Every picture is kPlotSize; the panels lie inside
// fixed margins: 90 pixels on the left for the value axis, 240 on the right
// for the legend, 80 at the top for the title and 60 at the bottom for the
// position axis. An unchecked sweep has the inductance panel alone; a checked
// one has the resonance panel under it, 70 pixels apart, and a built one the
// efficiency panel under that. The inductance axis
// is logarithmic where the values span more than a factor of ten, as they do
// when the coils go out towards the tips.
constexpr QSize kPlotSize{1100, 760};
struct PlotLayout {
    PlotPanel inductance;                 // uH against position
    std::optional<PlotPanel> resonance;   // MHz against position, when checked
    std::optional<PlotPanel> efficiency;  // per cent against position, when built
};
PlotLayout plotLayout(const SweepPlot& plot);

// The colours of the curves and of the target's line.
inline const QColor kFormulaColour{0x1f, 0x5f, 0xbf};
inline const QColor kEngineColour{0xd0, 0x40, 0x10};
inline const QColor kResonanceColour{0x20, 0x90, 0x30};
inline const QColor kTargetColour{0x70, 0x70, 0x70};
inline const QColor kEfficiencyColour{0x80, 0x30, 0xa0};

// The picture drawn on an image, its size kPlotSize times the scale.
QImage plotImage(const SweepPlot& plot, double scale);

// The picture as a PNG file's bytes, or as an SVG file's. Drawing text needs
// a QGuiApplication.
QByteArray plotPng(const SweepPlot& plot);
QByteArray plotSvg(const SweepPlot& plot);

}  // namespace querlin
