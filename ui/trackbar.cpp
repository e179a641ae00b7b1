// SPDX-License-Identifier: MIT
#include "ui/trackbar.h"

#include <QEvent>
#include <QPainter>
#include <QWheelEvent>
#include <utility>

bool TrackBar::Look::operator==(const Look &other) const
{
    return size == other.size && state == other.state && activeParts == other.activeParts && palette == other.palette
        && pixelRatio == other.pixelRatio;
}

void TrackBar::sliderChange(SliderChange change)
{
    if (change == SliderValueChange) {
        const int offset = handleOffset();
        if (offset == paintedOffset_)
            return;
        // Only the stretch between the handle's old and new places changes:
        // the handle itself and the groove's seam under it.
        if (paintedOffset_ >= 0 && !handleDrawn_.isEmpty()) {
            update(handleDrawn_.translated(shiftAt(paintedOffset_)).united(handleDrawn_.translated(shiftAt(offset))));
            return;
        }
    } else {
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
        const QImage handle = handle_.toImage();
        handleDrawn_ = QRect();
        for (int y = 0; y < handle.height(); ++y)
            for (int x = 0; x < handle.width(); ++x)
                if (qAlpha(handle.pixel(x, y)) != 0)
                    handleDrawn_ |= QRect(x, y, 1, 1);
        handleDrawn_ = QRectF(handleDrawn_.topLeft() / handle_.devicePixelRatio(),
                              handleDrawn_.size() / handle_.devicePixelRatio())
                           .toAlignedRect();
    }
    paintedOffset_ = handleOffset();

    // The groove is full on the minimum's side of the handle's middle and
    // empty on the other; the handle covers the seam. Both sides are
    // rectangles, so each picture is copied only where it shows and where the
    // widget is being repainted.
    const QPoint shift = shiftAt(paintedOffset_);
    const QPoint seam = handleAtMinimum_.translated(shift).center();
    const QPoint along = handleAtMaximum_.topLeft() - handleAtMinimum_.topLeft();
    const bool horizontal = orientation() == Qt::Horizontal;
    const bool minimumFirst = (horizontal ? along.x() : along.y()) >= 0;
    // The seam's own line belongs to the full side.
    const int cut = (horizontal ? seam.x() : seam.y()) + (minimumFirst ? 1 : 0);
    QRect before = rect();
    QRect after = rect();
    if (horizontal) {
        before.setRight(cut - 1);
        after.setLeft(cut);
    } else {
        before.setBottom(cut - 1);
        after.setTop(cut);
    }
    const QRect fullSide = minimumFirst ? before : after;
    const QRect emptySide = minimumFirst ? after : before;

    QPainter painter(this);
    painter.setClipRect(emptySide);
    painter.drawPixmap(0, 0, emptyGroove_);
    painter.setClipRect(fullSide);
    painter.drawPixmap(0, 0, fullGroove_);
    painter.setClipping(false);
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

// How far the handle at that offset stands from its place at the minimum.
QPoint TrackBar::shiftAt(int offset) const
{
    const QPoint along = handleAtMaximum_.topLeft() - handleAtMinimum_.topLeft();
    return travel_ > 0 ? along * (qreal(offset) / travel_) : QPoint();
}

// The handle's distance from its place at the minimum, in pixels. Asking the
// style where the handle is costs more than the rest of a fade's tick, so
// its travel is measured once and each position computed from it, as styles do.
int TrackBar::handleOffset() const
{
    return offsetOf(sliderPosition());
}

int TrackBar::offsetOf(int value) const
{
    if (travel_ < 0)
        measure();
    return QStyle::sliderPositionFromValue(minimum(), maximum(), value, travel_);
}

void TrackBar::showValue(int value)
{
    if (offsetOf(value) == handleOffset()) {
        waiting_ = value;
        return;
    }
    waiting_.reset();
    setValue(value);
}

void TrackBar::settle()
{
    if (waiting_)
        setValue(*std::exchange(waiting_, std::nullopt));
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

void TrackBar::wheelEvent(QWheelEvent *event)
{
    event->ignore(); // on to the window
}
