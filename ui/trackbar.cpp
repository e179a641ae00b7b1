#include "ui/trackbar.h"

#include <QEvent>
#include <QPainter>

bool TrackBar::Look::operator==(const Look &other) const
{
    return size == other.size && state == other.state && activeParts == other.activeParts && palette == other.palette
        && pixelRatio == other.pixelRatio;
}

void TrackBar::sliderChange(SliderChange change)
{
    if (change == SliderValueChange && handleOffset() == paintedOffset_)
        return;
    if (change != SliderValueChange) {
        // The range or orientation changed: the handle's places and the tick marks with it.
        travel_ = -1;
        look_ = {};
    }
    QSlider::sliderChange(change);
}

void TrackBar::paintEvent(QPaintEvent *)
{
    QStyleOptionSlider option;
    initStyleOption(&option);
    // The widget's own palette: the option holds a copy, which an inactive window's colour group may change.
    const Look look {option.rect.size(), option.state, option.activeSubControls, palette().cacheKey(),
                     devicePixelRatioF()};
    if (!(look == look_)) {
        look_ = look;
        // Fusion draws the tick marks darker while it fills its own groove cache: a first drawing settles it.
        drawn(option, QStyle::SC_SliderGroove, minimum());
        emptyGroove_ = drawn(option, QStyle::SC_SliderGroove | QStyle::SC_SliderTickmarks, minimum());
        fullGroove_ = drawn(option, QStyle::SC_SliderGroove | QStyle::SC_SliderTickmarks, maximum());
        handle_ = drawn(option, QStyle::SC_SliderHandle, minimum());
    }
    paintedOffset_ = handleOffset();

    // Where the handle stands now, between its places at both ends.
    const QPoint along = handleAtMaximum_.topLeft() - handleAtMinimum_.topLeft();
    const QPoint shift = travel_ > 0 ? along * (qreal(paintedOffset_) / travel_) : QPoint();
    const QRect handle = handleAtMinimum_.translated(shift);
    // The groove is full on the minimum's side of the handle's middle and
    // empty on the other; the handle covers the seam.
    QRect fullSide = rect();
    if (orientation() == Qt::Horizontal) {
        if (along.x() >= 0)
            fullSide.setRight(handle.center().x());
        else
            fullSide.setLeft(handle.center().x());
    } else {
        if (along.y() >= 0)
            fullSide.setBottom(handle.center().y());
        else
            fullSide.setTop(handle.center().y());
    }

    QPainter painter(this);
    painter.save();
    painter.setClipRegion(QRegion(rect()).subtracted(fullSide));
    painter.drawPixmap(0, 0, emptyGroove_);
    painter.setClipRect(fullSide);
    painter.drawPixmap(0, 0, fullGroove_);
    painter.restore();
    painter.drawPixmap(shift, handle_);
}

void TrackBar::resizeEvent(QResizeEvent *event)
{
    travel_ = -1;
    QSlider::resizeEvent(event);
}

void TrackBar::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::StyleChange) {
        travel_ = -1;
        look_ = {};
    }
    QSlider::changeEvent(event);
}

void TrackBar::measure() const
{
    QStyleOptionSlider option;
    initStyleOption(&option);
    option.sliderPosition = minimum();
    handleAtMinimum_ = style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, this);
    option.sliderPosition = maximum();
    handleAtMaximum_ = style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, this);
    const QPoint along = handleAtMaximum_.topLeft() - handleAtMinimum_.topLeft();
    travel_ = orientation() == Qt::Horizontal ? qAbs(along.x()) : qAbs(along.y());
}

// The handle's distance from its place at the minimum, in pixels. Asking the
// style where the handle is costs more than the rest of a fade's tick, so
// its travel is measured once and each position computed from it, as styles do.
int TrackBar::handleOffset() const
{
    if (travel_ < 0)
        measure();
    return QStyle::sliderPositionFromValue(minimum(), maximum(), sliderPosition(), travel_);
}

// The parts of the slider as the style draws them at a position, on a clear background.
QPixmap TrackBar::drawn(QStyleOptionSlider option, QStyle::SubControls parts, int position) const
{
    QPixmap pixmap(option.rect.size() * devicePixelRatioF());
    pixmap.setDevicePixelRatio(devicePixelRatioF());
    pixmap.fill(Qt::transparent);
    option.subControls = parts;
    option.sliderPosition = option.sliderValue = position;
    QPainter painter(&pixmap);
    style()->drawComplexControl(QStyle::CC_Slider, &option, &painter, this);
    return pixmap;
}
