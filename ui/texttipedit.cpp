// SPDX-License-Identifier: MIT
#include "ui/texttipedit.h"

TextTipEdit::TextTipEdit(QWidget *parent)
    : QLineEdit(parent)
{
    setMouseTracking(true);
}

void TextTipEdit::mouseMoveEvent(QMouseEvent *event)
{
    setToolTip(text());
    QLineEdit::mouseMoveEvent(event);
}
