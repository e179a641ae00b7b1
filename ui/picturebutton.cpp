// SPDX-License-Identifier: MIT
#include "ui/picturebutton.h"

#include <QKeyEvent>
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

    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = rect().adjusted(3, 3, -3, -3);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}

void PictureButton::keyPressEvent(QKeyEvent *event)
{
    // Space is the button's own; Return and Enter press it too.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        animateClick();
        return;
    }
    QAbstractButton::keyPressEvent(event);
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
