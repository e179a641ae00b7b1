// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QStringList>

#include "platform/clock.h"
#include "platform/platform.h"
#include "session/sessioncontroller.h"
#include "session/sessiontext.h"
#include "session/volumecontrol.h"

// The session and the volume control on a platform, with what the session
// says recorded in words: the status line, the title and the fields marked missing.
struct SessionRig {
    VolumeControl volume;
    SessionController session;
    QString status;
    QString title;
    QList<SessionController::Field> missing;
    QStringList errors;
    int finishes = 0;

    explicit SessionRig(const Platform &platform)
        : volume(*platform.mixer)
        , session(platform, volume)
    {
        QObject::connect(&session, &SessionController::noticeChanged, [this](const SessionNotice &notice) {
            status = SessionText::statusLine(notice, session.now());
        });
        QObject::connect(&session, &SessionController::fadePercentChanged,
                         [this](int percent) { title = SessionText::title(percent, session.setup().dryRun); });
        QObject::connect(&session, &SessionController::fieldMissing,
                         [this](SessionController::Field field) { missing << field; });
        QObject::connect(&session, &SessionController::failed, [this](const QString &error) { errors << error; });
        QObject::connect(&session, &SessionController::finished, [this] { ++finishes; });
    }

    // A setup of the minutes and end action (and wake-up percent), the rest as a new window has it.
    static Setup setup(const QString &minutes, EndAction action, const QString &wakeUpPercent = QString())
    {
        Setup setup;
        setup.minutes = minutes;
        setup.endAction = action;
        setup.wakeUpPercent = wakeUpPercent;
        setup.wakeUpTime = QTime(10, 21, 48, 560);
        setup.startFile = QStringLiteral("europe.mid");
        return setup;
    }
};
