// SPDX-License-Identifier: MIT
#pragma once

#include "fakes.h"
#include "sessionrig.h"
#include "ui/mainwindow.h"

// The window over a session on fakes of the platform, with what it asks of
// the program recorded in order.
struct WindowRig : FakePlatform {
    SessionRig rig {platform};
    MainWindow form {rig.session, rig.volume, shell};
    QStringList calls;

    WindowRig()
    {
        const auto record = [this](const char *name) { return [this, name] { calls << QLatin1String(name); }; };
        QObject::connect(&form, &MainWindow::opening, record("opening"));
        QObject::connect(&form, &MainWindow::firstActivated, record("firstActivated"));
        QObject::connect(&form, &MainWindow::exitClicked, record("exit"));
    }
};
