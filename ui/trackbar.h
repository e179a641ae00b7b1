// SPDX-License-Identifier: MIT
#pragma once

#include <QPixmap>
#include <QSlider>
#include <QStyleOptionSlider>
#include <optional>

// The volume slider. Its range is the mixer's 0..65535, far finer than its
// width in pixels: during a long fade most new values leave the handle where
// it was, and then nothing is repainted. When the handle does move, only the
// stretch it moved over is repainted, put together from pictures the style
// drew once, not drawn anew: at night that repaint comes every few seconds,
// each time with cold caches. The wheel over it is the window's: whole
// volume steps, not the slider's small ones.
class TrackBar : public QSlider {
    Q_OBJECT
public:
    using QSlider::QSlider;

    // The program's value, set every second of a fade: one that leaves the
    // handle where it is waits, untold (to accessibility tools too), until the
    // handle moves or settle() makes it the slider's own.
    void showValue(int value);
    void settle();

protected:
    void sliderChange(SliderChange change) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;

private:
    // What the style's drawing depends on, the position aside.
    struct Look {
        QSize size;
        QStyle::State state;
        QStyle::SubControls activeParts;
        qint64 palette = 0;
        qreal pixelRatio = 0;
        bool operator==(const Look &other) const;
    };

    void measure() const;
    int handleOffset() const;
    int offsetOf(int value) const;
    QPoint shiftAt(int offset) const;
    QPixmap drawn(QStyleOptionSlider option, QStyle::SubControls parts, int position) const;

    // The handle's place at the minimum and at the maximum, measured once.
    mutable QRect handleAtMinimum_;
    mutable QRect handleAtMaximum_;
    mutable int travel_ = -1; // pixels between those two places
    int paintedOffset_ = -1;
    std::optional<int> waiting_; // a value shown that is not the slider's own yet

    Look look_;
    QPixmap emptyGroove_; // the groove and tick marks as drawn at the minimum
    QPixmap fullGroove_;  // ... and at the maximum: styles fill the groove up to the handle
    QPixmap handle_;      // the handle alone, at the minimum
    QRect handleDrawn_;   // where the style drew on that picture
};
