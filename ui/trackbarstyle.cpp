// SPDX-License-Identifier: MIT
#include "ui/trackbarstyle.h"

#include <QPainter>
#include <QStyleOptionSlider>

namespace {

QStyleOptionSlider inset(const QStyleOptionComplex *option)
{
    QStyleOptionSlider slider = *qstyleoption_cast<const QStyleOptionSlider *>(option);
    slider.rect.adjust(TrackBarStyle::Inset, 0, -TrackBarStyle::Inset, 0);
    return slider;
}

bool isSlider(QStyle::ComplexControl control, const QStyleOptionComplex *option)
{
    return control == QStyle::CC_Slider && qstyleoption_cast<const QStyleOptionSlider *>(option);
}

} // namespace

void TrackBarStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex *option, QPainter *painter,
                                       const QWidget *widget) const
{
    if (!isSlider(control, option))
        return QProxyStyle::drawComplexControl(control, option, painter, widget);
    // The base style places tick marks from x = 0 whatever the rectangle, so
    // the inset is a move of the painter rather than of the rectangle.
    QStyleOptionSlider slider = inset(option);
    const QPoint offset = slider.rect.topLeft();
    slider.rect.moveTopLeft(QPoint(0, 0));
    painter->save();
    painter->translate(offset);
    drawing_ = true;
    QProxyStyle::drawComplexControl(control, &slider, painter, widget);
    drawing_ = false;
    painter->restore();
}

QRect TrackBarStyle::subControlRect(ComplexControl control, const QStyleOptionComplex *option, SubControl subControl,
                                    const QWidget *widget) const
{
    if (!isSlider(control, option) || drawing_)
        return QProxyStyle::subControlRect(control, option, subControl, widget);
    const QStyleOptionSlider slider = inset(option);
    return QProxyStyle::subControlRect(control, &slider, subControl, widget);
}

QStyle::SubControl TrackBarStyle::hitTestComplexControl(ComplexControl control, const QStyleOptionComplex *option,
                                                        const QPoint &point, const QWidget *widget) const
{
    if (!isSlider(control, option))
        return QProxyStyle::hitTestComplexControl(control, option, point, widget);
    const QStyleOptionSlider slider = inset(option);
    return QProxyStyle::hitTestComplexControl(control, &slider, point, widget);
}
