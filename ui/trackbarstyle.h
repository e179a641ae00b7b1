// SPDX-License-Identifier: MIT
#pragma once

#include <QProxyStyle>

// Draws the volume slider with its channel inset from both ends, as a
// trackbar's is, so that the readout beside it never runs into the channel.
class TrackBarStyle : public QProxyStyle {
    Q_OBJECT
public:
    static constexpr int Inset = 8;

    using QProxyStyle::QProxyStyle;

    void drawComplexControl(ComplexControl control, const QStyleOptionComplex *option, QPainter *painter,
                            const QWidget *widget = nullptr) const override;
    QRect subControlRect(ComplexControl control, const QStyleOptionComplex *option, SubControl subControl,
                         const QWidget *widget = nullptr) const override;
    SubControl hitTestComplexControl(ComplexControl control, const QStyleOptionComplex *option, const QPoint &point,
                                     const QWidget *widget = nullptr) const override;

private:
    // While drawing, the option is inset already: the base style's own
    // questions about the handle and groove must not inset it a second time,
    // or the handle would stand off the tick marks.
    mutable bool drawing_ = false;
};
