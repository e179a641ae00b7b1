// SPDX-License-Identifier: MIT
#include "ui/caretrest.h"

#include <QEvent>
#include <QGuiApplication>
#include <QStyleHints>

CaretRest::CaretRest(int restAfterMs, QObject *parent)
    : QObject(parent)
    , flashTime_(QGuiApplication::styleHints()->cursorFlashTime())
{
    idle_.setSingleShot(true);
    idle_.setInterval(restAfterMs);
    connect(&idle_, &QTimer::timeout, this, &CaretRest::rest);
    qApp->installEventFilter(this);
    idle_.start();
}

CaretRest::~CaretRest()
{
    if (resting_)
        QGuiApplication::styleHints()->setCursorFlashTime(flashTime_);
}

bool CaretRest::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::MouseButtonPress:
    case QEvent::MouseMove:
    case QEvent::Wheel:
    case QEvent::InputMethod:
        if (resting_) {
            resting_ = false;
            QGuiApplication::styleHints()->setCursorFlashTime(flashTime_);
        }
        idle_.start();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

void CaretRest::rest()
{
    resting_ = true;
    // No flash time is a caret that does not blink.
    QGuiApplication::styleHints()->setCursorFlashTime(0);
}
