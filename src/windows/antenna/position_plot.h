#pragma once

#include <QLabel>
#include <optional>

#include "plot.h"

namespace querlin {

// The plot of every coil position, at a size that leaves the check window on
// a laptop's screen. Its context menu saves it as a PNG or an SVG file, at
// the size querlin-calc writes it, or copies it.
class PositionPlot : public QLabel {
    Q_OBJECT

  public:
    explicit PositionPlot(QWidget* parent);

    void draw(SweepPlot plot);
    void erase();
    // What the plot shows, none when empty.
    const std::optional<SweepPlot>& shown() const { return shown_; }

  private:
    void offerMenu(QPoint at);
    void save(const SweepPlot& plot, bool svg);

    std::optional<SweepPlot> shown_;  // what the label shows, none when empty
    QString folder_;                  // where the plot was last saved
};

}  // namespace querlin
