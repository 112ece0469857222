#include <algorithm>
#include <cmath>
#include <limits>

#include "plot.h"
#include "plot_parts.h"

namespace querlin {

namespace {

// A round step that cuts the span into about that many.
double roundStep(double span, int steps) {
    const double rough = span / steps;
    const double decade = std::pow(10.0, std::floor(std::log10(rough)));
    for (const double factor : {1.0, 2.0, 5.0}) {
        if (decade * factor >= rough) {
            return decade * factor;
        }
    }
    return decade * 10;
}

// A value axis from low to high in round steps, about five of them.
PlotPanel panelFor(const QRectF& frame, double low, double high) {
    if (!(high > low)) {
        high = low + std::max(std::abs(low) * 0.01, 1e-6);
    }
    const double step = roundStep(high - low, 5);
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

}  // namespace

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

QPointF PlotPanel::at(double x, double value) const {
    const double share =
        logarithmic ? std::log(value / low) / std::log(high / low) : (value - low) / (high - low);
    return {frame.left() + frame.width() * (x - first) / (last - first),
            frame.bottom() - frame.height() * share};
}

namespace {

// Each whole number of steps from low to high.
std::vector<double> multiplesOf(double step, double low, double high) {
    std::vector<double> values;
    const auto from = std::lround(std::ceil(low / step - 1e-9));
    const auto to = std::lround(std::floor(high / step + 1e-9));
    for (auto i = from; i <= to; ++i) {
        values.push_back(static_cast<double>(i) * step);
    }
    return values;
}

}  // namespace

std::vector<double> PlotPanel::acrossTicks() const {
    return multiplesOf(across, first, last);
}

std::vector<double> PlotPanel::ticks() const {
    if (!logarithmic) {
        return multiplesOf(step, low, high);
    }
    std::vector<double> values;
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
    const auto [bandwidthLow, bandwidthHigh] = rangeOf(plot, &SweepPoint::bandwidth);
    const bool efficient = efficiencyHigh >= efficiencyLow;
    const bool wide = bandwidthHigh >= bandwidthLow;
    const int panels = 1 + int{plot.checked} + int{efficient} + int{wide};
    const double panelHeight = (height - (panels - 1) * kGap) / panels;
    // Each panel's frame under the one before.
    int panel = 0;
    const auto nextFrame = [&] {
        return QRectF(kLeft, kTop + panel++ * (panelHeight + kGap), width, panelHeight);
    };
    // Plain variables, not a structured binding: the fuzzing build's clang
    // cannot capture a binding in the lambda below.
    const std::pair<double, double> formula = rangeOf(plot, &SweepPoint::inductance);
    double inductanceLow = formula.first;
    double inductanceHigh = formula.second;
    const auto takeIn = [&](double SweepPoint::*member) {
        const auto [low, high] = rangeOf(plot, member);
        inductanceLow = std::min(inductanceLow, low);
        inductanceHigh = std::max(inductanceHigh, high);
    };
    if (plot.checked) {
        takeIn(&SweepPoint::resonantInductance);
    }
    takeIn(&SweepPoint::loadInductance);
    const QRectF inductanceFrame = nextFrame();
    PlotLayout layout{inductanceLow > 0 && inductanceHigh > 10 * inductanceLow
                          ? logarithmicPanelFor(inductanceFrame, inductanceLow, inductanceHigh)
                          : panelFor(inductanceFrame, 0, inductanceHigh),
                      {},
                      {},
                      {}};
    if (plot.checked) {
        const auto [low, high] = rangeOf(plot, &SweepPoint::resonance);
        layout.resonance =
            panelFor(nextFrame(), std::min(low, plot.target), std::max(high, plot.target));
    }
    if (efficient) {
        layout.efficiency = panelFor(nextFrame(), efficiencyLow, efficiencyHigh);
    }
    if (wide) {
        layout.bandwidth = panelFor(nextFrame(), bandwidthLow, bandwidthHigh);
    }
    return layout;
}

FrequencyLayout frequencyLayout(const FrequencyPlot& plot) {
    double first = std::numeric_limits<double>::infinity();
    double last = -first;
    double swr = 2;  // the 2:1 bandwidth's edge is always in view
    double low = 0;  // ohms
    double high = 0;
    for (const FrequencyTrace& trace : plot.traces) {
        for (const FrequencyPoint& point : trace.points) {
            first = std::min(first, point.frequency);
            last = std::max(last, point.frequency);
            if (std::isfinite(point.swr)) {
                swr = std::max(swr, std::min(point.swr, kMostSwr));
            }
            for (const double ohms : {point.resistance, point.reactance}) {
                if (std::isfinite(ohms)) {
                    low = std::min(low, ohms);
                    high = std::max(high, ohms);
                }
            }
        }
    }
    if (!(last > first)) {
        first = std::isfinite(first) ? first : 0;
        last = first + 1;
    }
    const double width = kPlotSize.width() - kLeft - kRight;
    const double height = kPlotSize.height() - kTop - kBottom;
    const int panels = plot.impedance ? 2 : 1;
    const double panelHeight = (height - (panels - 1) * kGap) / panels;
    const auto across = [&](PlotPanel panel) {
        panel.first = first;
        panel.last = last;
        panel.across = roundStep(last - first, 8);
        return panel;
    };
    FrequencyLayout layout{across(panelFor(QRectF(kLeft, kTop, width, panelHeight), 1, swr)), {}};
    // No SWR is below 1.
    layout.swr.low = 1;
    if (plot.impedance) {
        layout.impedance = across(
            panelFor(QRectF(kLeft, kTop + panelHeight + kGap, width, panelHeight), low, high));
    }
    return layout;
}

}  // namespace querlin
