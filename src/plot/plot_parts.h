#pragma once

#include <QPainter>
#include <utility>

#include "plot.h"

namespace querlin {

// The margins of a plot's picture round its panels, and the gap between two
// panels, in pixels: the layout places the panels in them and the drawing
// writes the titles, the axes' names and the legends there.
inline constexpr double kLeft = 90;
inline constexpr double kRight = 240;
inline constexpr double kTop = 80;
inline constexpr double kBottom = 60;
inline constexpr double kGap = 70;

// The least and greatest of the finite values a member of the points gives.
std::pair<double, double> rangeOf(const SweepPlot& plot, double SweepPoint::*member);

// The whole picture, drawn with the painter on its device.
void draw(QPainter& painter, const SweepPlot& plot);
void draw(QPainter& painter, const FrequencyPlot& plot);

}  // namespace querlin
