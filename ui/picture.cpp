// SPDX-License-Identifier: MIT
#include "ui/picture.h"

#include <QPainter>

Picture::Picture(QWidget *parent)
    : QWidget(parent)
{
}

void Picture::setPixmap(const QPixmap &pixmap)
{
    pixmap_ = pixmap;
    update();
}

void Picture::paintEvent(QPaintEvent *)
{
    QPainter(this).drawPixmap(0, 0, pixmap_);
}
