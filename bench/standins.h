// SPDX-License-Identifier: MIT
#pragma once

#include <QCoreApplication>
#include <QElapsedTimer>

#include "platform/awakelock.h"
#include "platform/power.h"

// Notes when the night handed over to its end action, and stops the program
// there: a benchmark never powers the computer off.
class StopAtTheEnd : public Power {
public:
    QElapsedTimer *sinceStart = nullptr;
    qint64 endedAtNs = -1;

    void probePowerActions(EndAction) override {}
    void powerOff() override
    {
        endedAtNs = sinceStart->nsecsElapsed();
        QCoreApplication::exit(0);
    }
    void suspend() override { powerOff(); }
};

// The computer is not kept awake for a benchmark.
class NoLock : public AwakeLock {
public:
    void hold() override {}
    void release() override { Q_EMIT released(); }
};
