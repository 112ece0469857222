#include "controls.h"

#include <QKeyEvent>
#include <QPainter>

namespace querlin {

void ScrollBar::keyPressEvent(QKeyEvent* event) {
    if (event->isAutoRepeat() && heldKeyEnded_) {
        return;
    }
    heldKeyEnded_ = false;
    switch (event->key()) {
        case Qt::Key_Right:
        case Qt::Key_Down:
            return triggerAction(SliderSingleStepAdd);
        case Qt::Key_Left:
        case Qt::Key_Up:
            return triggerAction(SliderSingleStepSub);
        case Qt::Key_PageDown:
            return triggerAction(SliderPageStepAdd);
        case Qt::Key_PageUp:
            return triggerAction(SliderPageStepSub);
        case Qt::Key_Home:
            return triggerAction(SliderToMinimum);
        case Qt::Key_End:
            return triggerAction(SliderToMaximum);
        default:
            QScrollBar::keyPressEvent(event);
    }
}

void PictureBox::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    drawFrame(&painter);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    const QRect client = contentsRect();
    painter.setClipRect(client);
    painter.drawPixmap(client.topLeft(), pixmap());
}

}  // namespace querlin
