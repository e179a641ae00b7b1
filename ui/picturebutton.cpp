#include "ui/picturebutton.h"

#include <QPainter>
#include <QStyleOption>
#include <qdrawutil.h>

PictureButton::PictureButton(QWidget *parent)
    : QAbstractButton(parent)
{
    setFocusPolicy(Qt::NoFocus);
    setCursor(Qt::PointingHandCursor);
    setAttribute(Qt::WA_Hover);
}

void PictureButton::setPicture(const QPixmap &picture)
{
    picture_ = picture;
    update();
}

void PictureButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QSize size = picture_.deviceIndependentSize().toSize();
    const QPoint origin((width() - size.width()) / 2, (height() - size.height()) / 2);
    const int pressedShift = isDown() ? 1 : 0;
    painter.drawPixmap(origin + QPoint(pressedShift, pressedShift), picture_);

    if (underMouse() && isEnabled())
        qDrawShadePanel(&painter, rect(), palette(), isDown(), 1);
}

void PictureButton::enterEvent(QEnterEvent *event)
{
    update();
    QAbstractButton::enterEvent(event);
}

void PictureButton::leaveEvent(QEvent *event)
{
    update();
    QAbstractButton::leaveEvent(event);
}
