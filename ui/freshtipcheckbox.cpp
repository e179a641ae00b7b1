// SPDX-License-Identifier: MIT
#include "ui/freshtipcheckbox.h"

#include <QHelpEvent>
#include <QToolTip>

void FreshTipCheckBox::showTip(const QString &text)
{
    if (text == toolTip())
        return;
    setToolTip(text);
    // A hint already up keeps its old words unless it is shown anew.
    if (QToolTip::isVisible() && underMouse())
        QToolTip::showText(QCursor::pos(), text, this);
}

bool FreshTipCheckBox::event(QEvent *event)
{
    // An answer that comes at once is in the hint that shows now; a later one replaces it.
    if (event->type() == QEvent::ToolTip)
        Q_EMIT tipWanted();
    return QCheckBox::event(event);
}
