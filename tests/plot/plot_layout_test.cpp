#include <gtest/gtest.h>

#include <QGuiApplication>
#include <array>
#include <cmath>
#include <limits>

#include "plot.h"

namespace querlin {
namespace {

constexpr double kNone = std::numeric_limits<double>::quiet_NaN();
using Column = std::array<double, 5>;
constexpr Column kNothing{kNone, kNone, kNone, kNone, kNone};

// A sweep of five positions, 10, 30, 50, 70 and 90 %, for 7.1 MHz.
SweepPlot sweep(bool checked, Column inductance, Column resonant = kNothing,
                Column resonance = kNothing, Column efficiency = kNothing) {
    SweepPlot plot{u"A sweep"_qs, 7.1, checked, {}, {}, {}, {}};
    for (std::size_t i = 0; i < 5; ++i) {
        plot.points.push_back({static_cast<int>(10 + 20 * i), inductance[i], resonant[i],
                               resonance[i], efficiency[i]});
    }
    return plot;
}

// The frames inside the margins: 1100 - 90 - 240 = 770 wide, 760 - 80 - 60 =
// 620 high; two panels of (620 - 70) / 2 = 275, the second at 80 + 275 + 70;
// three of (620 - 140) / 3 = 160, at 80, 310 and 540.
const QRectF kOne(90, 80, 770, 620);
const QRectF kTwo[] = {{90, 80, 770, 275}, {90, 425, 770, 275}};
const QRectF kThree[] = {{90, 80, 770, 160}, {90, 310, 770, 160}, {90, 540, 770, 160}};

struct Axis {
    QRectF frame;
    double low;
    double high;
    std::vector<double> ticks;
    bool logarithmic = false;
};

void expectAxis(const PlotPanel& panel, const Axis& axis) {
    EXPECT_EQ(panel.frame, axis.frame);
    EXPECT_EQ(panel.logarithmic, axis.logarithmic);
    EXPECT_NEAR(panel.low, axis.low, 1e-9);
    EXPECT_NEAR(panel.high, axis.high, 1e-9);
    const std::vector<double> ticks = panel.ticks();
    ASSERT_EQ(ticks.size(), axis.ticks.size());
    for (std::size_t i = 0; i < ticks.size(); ++i) {
        EXPECT_NEAR(ticks[i], axis.ticks[i], 1e-9) << i;
    }
}

// Round steps of 1, 2 or 5 times a power of ten, about five to an axis; a
// logarithmic axis where the inductance spans more than a factor of ten,
// from the 1, 2 or 5 at or below its least to the one at or above its most.
TEST(PlotLayout, AxesAsWorkedByHand) {
    const Column built{3, 5, 10, 20, 40};
    const Column resonant{2.5, 4, 9, 30, 70};
    const Column resonance{6.93, 7.0, 7.1, 7.25, 7.38};
    // 6.93 to 7.38 MHz: 0.45 / 5 = 0.09, a step of 0.1.
    const std::vector<double> megahertz{6.9, 7.0, 7.1, 7.2, 7.3, 7.4};
    // 2.5 to 70 uH: from 2 to 100, the engine's inductance taken in.
    const std::vector<double> microhenries{2, 5, 10, 20, 50, 100};
    struct Case {
        const char* name;
        SweepPlot plot;
        Axis inductance;
        std::optional<Axis> resonance;
        std::optional<Axis> efficiency;
    };
    const Case cases[] = {
        // 25 / 5 = 5 exactly: the step is 5, not the 10 above it.
        {"linear",
         sweep(false, {4, 8, 12.5, 18, 25}),
         {kOne, 0, 25, {0, 5, 10, 15, 20, 25}},
         {},
         {}},
        // Coils of a few microhenries, as a design for a higher band has:
        // still from zero; 3 / 5 = 0.6, a step of 1.
        {"linear, small", sweep(false, {0.6, 1, 1.5, 2.2, 3}), {kOne, 0, 3, {0, 1, 2, 3}}, {}, {}},
        // 50 > 10 x 0.55; 0.55 rounds down to 0.5, and 50 is a tick itself.
        {"logarithmic",
         sweep(false, {0.55, 2, 7, 20, 50}),
         {kOne, 0.5, 50, {0.5, 1, 2, 5, 10, 20, 50}, true},
         {},
         {}},
        {"checked",
         sweep(true, built, resonant, resonance),
         {kTwo[0], 2, 100, microhenries, true},
         Axis{kTwo[1], 6.9, 7.4, megahertz},
         {}},
        // 42 to 85 %: 43 / 5 = 8.6, a step of 10.
        {"built",
         sweep(true, built, resonant, resonance, {42, 60, 85, 75, 50}),
         {kThree[0], 2, 100, microhenries, true},
         Axis{kThree[1], 6.9, 7.4, megahertz},
         Axis{kThree[2], 40, 90, {40, 50, 60, 70, 80, 90}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const PlotLayout layout = plotLayout(c.plot);
        expectAxis(layout.inductance, c.inductance);
        ASSERT_EQ(layout.resonance.has_value(), c.resonance.has_value());
        ASSERT_EQ(layout.efficiency.has_value(), c.efficiency.has_value());
        if (c.resonance) {
            expectAxis(*layout.resonance, *c.resonance);
        }
        if (c.efficiency) {
            expectAxis(*layout.efficiency, *c.efficiency);
        }
    }
}

// The SWR axis from 1 to at least 2 and at most 10, whatever SWR a curve
// reaches; the impedance axis takes in zero; the frequency axis is the
// sweep's, cut into about eight round steps.
TEST(PlotLayout, FrequencyAxesAsWorkedByHand) {
    struct Case {
        const char* name;
        std::vector<FrequencyPoint> points;
        bool impedance;
        Axis swr;
        std::optional<Axis> ohms;
        double across;
    };
    const Case cases[] = {
        // Under 2:1 everywhere: 1 to 2 in steps of 0.2; 0.8 MHz / 8 = 0.1.
        {"matched",
         {{6.8, 1.5, 50, 0},
          {7.0, 1.2, 50, 0},
          {7.2, 1.1, 50, 0},
          {7.4, 1.3, 50, 0},
          {7.6, 1.8, 50, 0}},
         false,
         {kOne, 1, 2, {1, 1.2, 1.4, 1.6, 1.8, 2}},
         {},
         0.1},
        // 25:1 is clipped to 10, and a point without an SWR leaves it be:
        // 1 to 10 in steps of 2. -140 to 95 ohms: 235 / 5 = 47, steps of 50.
        // 0.4 MHz / 8 = 0.05.
        {"mismatched",
         {{3.5, 25, 12, -140},
          {3.6, kNone, 30, -60},
          {3.7, 3, 50, 0},
          {3.8, 1.4, 65, 40},
          {3.9, 8, 80, 95}},
         true,
         {kTwo[0], 1, 10, {2, 4, 6, 8, 10}},
         Axis{kTwo[1], -150, 100, {-150, -100, -50, 0, 50, 100}},
         0.05},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const FrequencyLayout layout =
            frequencyLayout({{}, {}, {}, {{{}, kMeasuredColour, c.points}}, c.impedance});
        expectAxis(layout.swr, c.swr);
        ASSERT_EQ(layout.impedance.has_value(), c.ohms.has_value());
        if (c.ohms) {
            expectAxis(*layout.impedance, *c.ohms);
        }
        for (const PlotPanel& panel : {layout.swr, layout.impedance.value_or(layout.swr)}) {
            EXPECT_DOUBLE_EQ(panel.first, c.points.front().frequency);
            EXPECT_DOUBLE_EQ(panel.last, c.points.back().frequency);
            EXPECT_NEAR(panel.across, c.across, 1e-12);
        }
    }
}

// Text and frames are drawn black, antialiased: a pixel of ink is dark.
bool ink(const QImage& image, int x, int y) {
    const QColor pixel = image.pixelColor(x, y);
    return std::max({pixel.red(), pixel.green(), pixel.blue()}) < 100;
}

// The ink in the rectangle from (left, top) to (right, bottom), inclusive.
std::vector<QPoint> inkIn(const QImage& image, int left, int top, int right, int bottom) {
    std::vector<QPoint> points;
    for (int y = top; y <= bottom; ++y) {
        for (int x = left; x <= right; ++x) {
            if (ink(image, x, y)) {
                points.emplace_back(x, y);
            }
        }
    }
    return points;
}

// The three panels of a built sweep as a reader finds them: each value
// axis's name along its panel's middle, its numbers left of the frame and
// level with the ticks; each legend starting with a sample of the panel's
// first curve; the best position ringed; the position axis named under the
// last panel.
TEST(PlotPicture, PutsEachPanelsTextsAndMarksWhereAReaderLooks) {
    SweepPlot plot = sweep(true, {3, 5, 10, 20, 40}, {2.5, 4, 9, 30, 70},
                           {6.93, 7.0, 7.1, 7.25, 7.38}, {42, 60, 85, 75, 50});
    plot.best = 50;
    const QImage image = plotImage(plot, 1);
    ASSERT_EQ(image.size(), kPlotSize);
    const PlotLayout layout = plotLayout(plot);
    const std::pair<PlotPanel, QColor> panels[] = {{layout.inductance, kFormulaColour},
                                                   {*layout.resonance, kResonanceColour},
                                                   {*layout.efficiency, kEfficiencyColour}};
    for (const auto& [panel, colour] : panels) {
        SCOPED_TRACE(panel.frame.top());
        const int top = static_cast<int>(panel.frame.top());
        const int bottom = static_cast<int>(panel.frame.bottom());
        const std::vector<QPoint> name = inkIn(image, 2, top, 36, bottom);
        ASSERT_FALSE(name.empty());
        const auto [lowest, highest] = std::minmax_element(
            name.begin(), name.end(), [](QPoint a, QPoint b) { return a.y() < b.y(); });
        EXPECT_NEAR((lowest->y() + highest->y()) / 2.0, panel.frame.center().y(), 4);
        for (const double tick : panel.ticks()) {
            SCOPED_TRACE(tick);
            const int y = static_cast<int>(std::lround(panel.at(0, tick).y()));
            EXPECT_FALSE(inkIn(image, 56, y - 5, 84, y + 5).empty());
            EXPECT_TRUE(inkIn(image, 93, y - 5, 100, y + 5).empty());
        }
        // The sample: a line 28 pixels long, 16 right of the frame.
        int sample = 0;
        for (int x = 861; x < image.width(); ++x) {
            const QColor pixel = image.pixelColor(x, top + 14);
            sample += std::abs(pixel.hue() - colour.hue()) < 8 &&
                      std::abs(pixel.value() - colour.value()) < 24;
        }
        EXPECT_GE(sample, 24);
    }
    // 85 % at 50: x = 90 + 770 / 2 = 475, y = 700 - 160 x (85 - 40) / 50 = 556;
    // the ring's radius is 7.
    for (const int x : {468, 482}) {
        EXPECT_FALSE(inkIn(image, x - 1, 555, x + 1, 557).empty()) << x;
    }
    EXPECT_FALSE(inkIn(image, 375, 728, 575, 750).empty());
}

// The SVG shows in a browser as big as the PNG: 1100 x 760 pixels at 96 to
// the inch are 291.04 x 201.08 mm.
TEST(PlotPicture, SvgIsAsBigAsThePng) {
    QString why;
    const QByteArray svg = plotSvg(sweep(false, {4, 8, 12.5, 18, 25}), why);
    ASSERT_FALSE(svg.isEmpty()) << why.toStdString();
    const QByteArray width = svg.mid(svg.indexOf("width=\"") + 7, 12);
    const QByteArray height = svg.mid(svg.indexOf("height=\"") + 8, 12);
    EXPECT_NEAR(width.left(width.indexOf("mm")).toDouble(), 291.04, 0.01) << width.data();
    EXPECT_NEAR(height.left(height.indexOf("mm")).toDouble(), 201.08, 0.01) << height.data();
}

}  // namespace
}  // namespace querlin

int main(int argc, char* argv[]) {
    // Drawing text needs the GUI application.
    QGuiApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
