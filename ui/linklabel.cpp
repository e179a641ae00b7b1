// SPDX-License-Identifier: MIT
#include "ui/linklabel.h"

#include <QMouseEvent>

LinkLabel::LinkLabel(QWidget *parent)
    : QLabel(parent)
{
    setMouseTracking(true);
    setCursor(Qt::PointingHandCursor);
}

void LinkLabel::setColours(const QColor &rest, const QColor &hover)
{
    rest_ = rest;
    hover_ = hover;
    showColour(rest);
}

void LinkLabel::showColour(const QColor &colour)
{
    // For the enabled look only; disabled, the text stays greyed.
    QPalette palette = this->palette();
    palette.setColor(QPalette::Active, QPalette::WindowText, colour);
    palette.setColor(QPalette::Inactive, QPalette::WindowText, colour);
    setPalette(palette);
}

void LinkLabel::mouseMoveEvent(QMouseEvent *event)
{
    showColour(hover_);
    QLabel::mouseMoveEvent(event);
}

void LinkLabel::leaveEvent(QEvent *event)
{
    showColour(rest_);
    QLabel::leaveEvent(event);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent *event)
{
    QLabel::mouseReleaseEvent(event);
    if (isEnabled() && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        Q_EMIT activated();
}
