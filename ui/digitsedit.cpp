// SPDX-License-Identifier: MIT
#include "ui/digitsedit.h"

#include <QKeyEvent>
#include <QRegularExpressionValidator>

DigitsEdit::DigitsEdit(QWidget *parent)
    : QLineEdit(parent)
{
    setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral(".{0,2}")), this));
}

void DigitsEdit::keyPressEvent(QKeyEvent *event)
{
    // Only typed characters count; Delete and the cursor keys carry no
    // character, and Tab moves the focus before any field sees it.
    const int key = event->key();
    if (!event->text().isEmpty() && key != Qt::Key_Delete && key != Qt::Key_Tab && key != Qt::Key_Backtab) {
        QPalette white = palette();
        white.setColor(QPalette::Base, Qt::white);
        setPalette(white);
        const QChar typed = event->text().front();
        if (typed != QLatin1Char('\b') && (typed < QLatin1Char('0') || typed > QLatin1Char('9')))
            return;
    }
    QLineEdit::keyPressEvent(event);
}
