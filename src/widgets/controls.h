#pragma once

#include <QEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QScrollBar>

// The control classes the builder makes where Qt's own do not behave as the
// windows need.

namespace querlin {

// A fault report blocks its window as soon as it opens, often while the mouse
// button or key that ran the handler is still down, and the window then never
// receives the release. Left so, a button would stay pressed behind the report
// and click at some later release, and Qt's scroll bar would go on repeating
// its step, each repeat running the handler again and opening another report.
// So a control ends its press when its window is blocked, as a release outside
// it would: no click, no further step. One action, at most one report.
template <typename Control>
class EndsPressWhenBlocked : public Control {
  public:
    using Control::Control;

  protected:
    bool event(QEvent* event) override {
        if (event->type() == QEvent::WindowBlocked) {
            const QPointF outside(-1, -1);
            QMouseEvent release(QEvent::MouseButtonRelease, outside, outside, Qt::LeftButton,
                                Qt::NoButton, Qt::NoModifier);
            Control::mouseReleaseEvent(&release);
        }
        return Control::event(event);
    }
};

// Qt's scroll bar inverts its keys (Right moves it left); the designer's moves
// right on Right or Down and a page right on Page Down, like every desktop
// scroll bar the user knows. A held key's auto-repeat ends with the press when
// a report blocks the window: only a new key press moves the bar again.
class ScrollBar : public EndsPressWhenBlocked<QScrollBar> {
  public:
    explicit ScrollBar(QWidget* parent) : EndsPressWhenBlocked(Qt::Horizontal, parent) {}

  protected:
    bool event(QEvent* event) override {
        if (event->type() == QEvent::WindowBlocked) {
            heldKeyEnded_ = true;
        }
        return EndsPressWhenBlocked::event(event);
    }

    void keyPressEvent(QKeyEvent* event) override;

  private:
    bool heldKeyEnded_ = false;
};

// A bitmap at the top-left corner of its client area, unscaled in logical
// pixels. On a high-density screen each bitmap pixel becomes a block of device
// pixels: smoothing would blur the one-pixel lines of the drawings.
class PictureBox : public QLabel {
  public:
    explicit PictureBox(QWidget* parent) : QLabel(parent) {
        setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }

  protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace querlin
