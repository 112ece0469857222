#pragma once

#include <QLabel>

namespace querlin {

// A label that leads somewhere: a left click on it, or Return or Space while it
// has the keyboard focus, activates it. Tab reaches it, a click does not take
// the focus, and while it has the focus it shows the style's focus mark. A
// screen reader hears it as a link named by its text, which it can press.
class LinkLabel : public QLabel {
    Q_OBJECT

  public:
    explicit LinkLabel(QWidget* parent = nullptr);

  signals:
    void activated();

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    bool pressed_ = false;
};

}  // namespace querlin
