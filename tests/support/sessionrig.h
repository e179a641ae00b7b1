// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QStringList>

#include "fakes.h"
#include "platform/clock.h"
#include "platform/platform.h"
#include "session/sessioncontroller.h"
#include "session/sessiontext.h"
#include "session/volumecontrol.h"

// The night and the volume control on a platform, with what the night says
// recorded: its last view, and in words its status line and title.
struct SessionRig {
    VolumeControl volume;
    SessionController session;
    SessionView view;
    QString status;
    QString title;
    int finishes = 0;

    explicit SessionRig(const Platform &platform)
        : volume(*platform.mixer)
        , session(platform, volume)
    {
        QObject::connect(&session, &SessionController::viewChanged, [this](const SessionView &told) {
            view = told;
            status = SessionText::statusLine(told, session.now());
            title = SessionText::title(told);
        });
        QObject::connect(&session, &SessionController::finished, [this] { ++finishes; });
    }

    // A setup of the minutes and end action (and wake-up percent), the rest as a new window has it.
    static Setup setup(const QString &minutes, EndAction action, const QString &wakeUpPercent = QString())
    {
        Setup setup;
        setup.minutes = minutes;
        setup.endAction = action;
        setup.wakeUpPercent = wakeUpPercent;
        return setup;
    }
};

// The night on fakes of the platform, the master volume at a level, and the
// setup that Start and Cancel are pressed with.
struct NightRig : FakePlatform {
    SessionRig s {platform};
    SessionController &session = s.session;
    VolumeControl &volume = s.volume;
    Setup setup;

    // answersLater: the mixer tells its level when the test says so.
    explicit NightRig(quint16 level, bool answersLater = false)
    {
        mixer.level = level;
        mixer.answersLater = answersLater;
        volume.readAtStart();
    }
    void setUp(const QString &minutes, EndAction action, const QString &wakeUpPercent = QString())
    {
        setup = SessionRig::setup(minutes, action, wakeUpPercent);
    }
    StartAnswer click() { return session.startOrCancel(setup); }
    SessionView::Phase phase() const { return session.view().phase; }
    bool idle() const { return phase() == SessionView::Phase::Idle; }
};
