// SPDX-License-Identifier: MIT
#include "ui/etchedline.h"

#include <QPainter>

EtchedLine::EtchedLine(QWidget *parent)
    : QWidget(parent)
{
}

void EtchedLine::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawLine(0, 0, 0, height() - 1);
    painter.setPen(palette().color(QPalette::Light));
    painter.drawLine(1, 0, 1, height() - 1);
}
