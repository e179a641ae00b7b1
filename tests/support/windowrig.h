// SPDX-License-Identifier: MIT
#pragma once

#include "app/somnelle.h"
#include "fakes.h"
#include "testwindow.h"

// The window wired to the program on fakes of the platform, with what it asks
// of the program recorded in order.
struct WindowRig : FakePlatform {
    TestWindow form;
    Somnelle app {platform, form};
    struct Program {
        SessionController &session;
        VolumeControl &volume;
        int finishes = 0;
    } rig {app.session(), app.volume()};
    QStringList calls;

    explicit WindowRig(const QDBusConnection &sessionBus = QDBusConnection(QString()))
        : FakePlatform(sessionBus)
    {
        const auto record = [this](const char *name) { return [this, name] { calls << QLatin1String(name); }; };
        QObject::connect(&form, &MainWindow::opening, record("opening"));
        QObject::connect(&form, &MainWindow::firstActivated, record("firstActivated"));
        QObject::connect(&form, &MainWindow::exitClicked, record("exit"));
        QObject::connect(&rig.session, &SessionController::finished, [this] { ++rig.finishes; });
    }
};
