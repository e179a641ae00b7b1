// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>

// The fade's progress on the task bar's button of the program.
class TaskbarProgress : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // progress: the share of the fade gone, 0 to 1.
    virtual void show(double progress, int minutesLeft) = 0;
    virtual void clear() = 0;
};
