#pragma once

#include <QSlider>

// The volume slider. Its range is the mixer's 0..65535, far finer than its
// width in pixels: during a long fade most new values leave the handle where
// it was, and then nothing is repainted.
class TrackBar : public QSlider {
    Q_OBJECT
public:
    using QSlider::QSlider;

protected:
    void sliderChange(SliderChange change) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    int handleOffset() const;

    mutable int travel_ = -1; // pixels from the handle at the minimum to the handle at the maximum
    int paintedOffset_ = -1;
};
