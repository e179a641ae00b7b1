#include "ui/trackbar.h"

#include <QEvent>
#include <QStyleOptionSlider>

void TrackBar::sliderChange(SliderChange change)
{
    if (change == SliderValueChange && handleOffset() == paintedOffset_)
        return;
    QSlider::sliderChange(change);
}

void TrackBar::paintEvent(QPaintEvent *event)
{
    paintedOffset_ = handleOffset();
    QSlider::paintEvent(event);
}

void TrackBar::resizeEvent(QResizeEvent *event)
{
    travel_ = -1;
    QSlider::resizeEvent(event);
}

void TrackBar::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::StyleChange)
        travel_ = -1;
    QSlider::changeEvent(event);
}

// The handle's distance from its place at the minimum, in pixels. Asking the
// style where the handle is costs more than the rest of a fade's tick, so
// its travel is measured once and each position computed from it, as styles do.
int TrackBar::handleOffset() const
{
    if (travel_ < 0) {
        QStyleOptionSlider option;
        initStyleOption(&option);
        option.sliderPosition = minimum();
        const QRect first = style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, this);
        option.sliderPosition = maximum();
        const QRect last = style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, this);
        travel_ = orientation() == Qt::Horizontal ? qAbs(last.left() - first.left()) : qAbs(last.top() - first.top());
    }
    return QStyle::sliderPositionFromValue(minimum(), maximum(), sliderPosition(), travel_);
}
