// SPDX-License-Identifier: MIT
#pragma once

#include "app/somnelle.h"
#include "fakes.h"
#include "form.h"
#include "ui/mainwindow.h"

// The window wired to the program on fakes of the platform; its controls
// reached by their names, and the program's ends counted.
struct ProgramRig : FakePlatform {
    MainWindow window;
    Somnelle app {platform, window};
    Form f {window};
    int ends = 0;

    // sessionBus: where the panel item goes; none by default.
    explicit ProgramRig(const QDBusConnection &sessionBus = QDBusConnection(QString()))
        : FakePlatform(sessionBus)
    {
        QObject::connect(&app, &Somnelle::ended, [this] { ++ends; });
    }
};
