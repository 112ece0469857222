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
// found none); when it was built, each position's loading coil and 2:1
// bandwidth as built and, with the coils' loss, its efficiency.
struct SweepPoint {
    static constexpr double kNone = std::numeric_limits<double>::quiet_NaN();
    int position;                   // per cent of half the antenna
    double inductance;              // of each coil by the formula, uH
    double resonantInductance;      // that resonates at the design frequency, uH
    double resonance;               // of the design as built, MHz
    double efficiency = kNone;      // per cent
    double loadInductance = kNone;  // each loading coil as built, uH
    double bandwidth = kNone;       // 2:1 SWR as built, kHz
};

struct SweepPlot {
    QString title;              // the design, as the words gave it
    double target;              // the design frequency, MHz
    bool checked;               // whether the engine's figures are there
    std::optional<int> worked;  // the position to mark, per cent
    QString workedInductance;   // its texts beside the marks: "14.74 uH"
    QString workedResonance;    // "7.2014 MHz"
    std::vector<SweepPoint> points;
    std::optional<int> best = std::nullopt;  // the position of highest efficiency
};

// One panel of the plot: where its frame lies in the picture, in pixels, and
// the values at its edges. The horizontal axis runs from first to last: the
// coil position from 0 to 100 %, unless it is a frequency. A logarithmic
// value axis has its ticks at 1, 2 and 5 times the powers of ten.
struct PlotPanel {
    QRectF frame;
    double low;   // the value at the frame's bottom edge
    double high;  // and at its top edge
    double step;  // between the value axis's ticks, when linear
    bool logarithmic = false;
    double first = 0;    // the horizontal value at the frame's left edge
    double last = 100;   // and at its right edge
    double across = 10;  // between the horizontal axis's ticks

    // The values at the value axis's ticks, from low to high.
    std::vector<double> ticks() const;

    // The horizontal values of the ticks, each a whole number of steps.
    std::vector<double> acrossTicks() const;

    // The pixel of a horizontal value (a position in per cent, or a
    // frequency) and a value.
    QPointF at(double x, double value) const;
};

// The picture's layout. Every picture is kPlotSize; the panels lie inside
// fixed margins: 90 pixels on the left for the value axis, 240 on the right
// for the legend, 80 at the top for the title and 60 at the bottom for the
// position axis. The inductance panel is on top; under it, 70 pixels apart,
// the resonance panel when the sweep was checked, then the efficiency panel
// and the bandwidth panel when it was built with those figures. The
// inductance axis is logarithmic where the values span more than a factor of
// ten, as they do when the coils go out towards the tips.
constexpr QSize kPlotSize{1100, 760};
struct PlotLayout {
    PlotPanel inductance;                 // uH against position
    std::optional<PlotPanel> resonance;   // MHz against position, when checked
    std::optional<PlotPanel> efficiency;  // per cent against position, when built
    std::optional<PlotPanel> bandwidth;   // kHz against position, when built
};
PlotLayout plotLayout(const SweepPlot& plot);

// The colours of the curves and of the target's line.
inline const QColor kFormulaColour{0x1f, 0x5f, 0xbf};
inline const QColor kEngineColour{0xd0, 0x40, 0x10};
inline const QColor kResonanceColour{0x20, 0x90, 0x30};
inline const QColor kTargetColour{0x70, 0x70, 0x70};
inline const QColor kEfficiencyColour{0x80, 0x30, 0xa0};
inline const QColor kBuiltColour{0xc0, 0x80, 0x00};
inline const QColor kBandwidthColour{0x60, 0x40, 0x20};

// A one-port sweep as the frequency plot draws it: at each frequency the
// SWR on the line and the impedance. A value that is not finite breaks the
// curve there.
struct FrequencyPoint {
    double frequency;   // MHz
    double swr;         // on the feed line
    double resistance;  // ohms
    double reactance;   // ohms
};

// One sweep's curves: its name in the legend and their colour.
struct FrequencyTrace {
    QString name;
    QColor colour;
    std::vector<FrequencyPoint> points;
};

// Sweeps drawn against frequency: the SWR of each and, with the impedance,
// its resistance (solid) and reactance (dashed) in a panel under it.
struct FrequencyPlot {
    QString title;                 // the design, or the file
    QString subtitle;              // what is drawn: "SWR on the 50-ohm line, measured and modelled"
    std::optional<double> target;  // the design frequency, MHz: a dashed line across
    std::vector<FrequencyTrace> traces;
    bool impedance = false;
};

// The frequency plot's layout: kPlotSize and the same margins as the sweep's,
// the frequency axis from the lowest frequency of any trace to the highest.
// The SWR axis runs from 1 up to the highest SWR drawn, at most kMostSwr:
// beyond it a curve leaves the panel, as an analyser's screen clips it. The
// impedance panel lies under the SWR panel, 70 pixels apart, its axis taking
// in zero and every resistance and reactance.
inline constexpr double kMostSwr = 10;
struct FrequencyLayout {
    PlotPanel swr;
    std::optional<PlotPanel> impedance;  // ohms against frequency, with the impedance
};
FrequencyLayout frequencyLayout(const FrequencyPlot& plot);

// The frequency plot's colours: the measured sweep's, and the model's, which
// is the engine's as in the sweep's plot.
inline const QColor kMeasuredColour{0x00, 0x90, 0x90};
inline const QColor kModelledColour = kEngineColour;

// The picture drawn on an image, its size kPlotSize times the scale.
QImage plotImage(const SweepPlot& plot, double scale);
QImage plotImage(const FrequencyPlot& plot, double scale);

// The picture as a PNG file's bytes, or as an SVG file's. Drawing text needs
// a QGuiApplication. The SVG is written by a module of its own, loaded the
// first time: when it cannot be loaded, the bytes are empty and `why` says why.
QByteArray plotPng(const SweepPlot& plot);
QByteArray plotSvg(const SweepPlot& plot, QString& why);
QByteArray plotPng(const FrequencyPlot& plot);
QByteArray plotSvg(const FrequencyPlot& plot, QString& why);

}  // namespace querlin
