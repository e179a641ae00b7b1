// SPDX-License-Identifier: MIT
#include "ui/alarmtimeedit.h"

#include <QCoreApplication>
#include <QWheelEvent>

void AlarmTimeEdit::wheelEvent(QWheelEvent *event)
{
    // Handed to the window itself: a spin box does not let wheel events
    // travel on to its parents.
    QCoreApplication::sendEvent(window(), event);
}

bool AlarmTimeEdit::focusNextPrevChild(bool next)
{
    return QWidget::focusNextPrevChild(next);
}
