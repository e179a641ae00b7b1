// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QString>

#include "settings/setup.h"

// Leaving the computer at the end of a session: power-off or suspend.
class Power : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // At the start of every session: asks whether the chosen action will be
    // allowed, so that a refusal is known before the user falls asleep.
    virtual void probePowerActions(EndAction chosen) = 0;
    // Both return at once. A refusal (or no answer in time) comes as
    // refused(), with the system's reason, never empty; a power-off that is
    // carried out has no answer, a suspend carried out has resumed() once
    // the computer is back.
    virtual void powerOff() = 0;
    virtual void suspend() = 0;

Q_SIGNALS:
    void refused(const QString &reason);
    void resumed();
};
