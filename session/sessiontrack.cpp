// SPDX-License-Identifier: MIT
// The night and the music: the track a night ends with, followed to its end,
// and where the listener fell asleep, offered again.
#include "session/sessioncontroller.h"

#include <utility>

#include "platform/clock.h"
#include "platform/platform.h"
#include "session/volumecontrol.h"

using Kind = SessionNotice::Kind;

void SessionController::followTrack(bool follow)
{
    trackForWindow_ = follow;
    if (isRunning() || lookingForTrack_)
        return;
    if (follow) {
        trackEnd_.find();
        return;
    }
    trackEnd_.stop();
    view_.trackEnd.reset();
    publish();
}

void SessionController::trackFound(const QDateTime &end)
{
    if (!std::exchange(lookingForTrack_, false)) {
        view_.trackEnd = end; // at rest, for the window's minutes
        publish();
        return;
    }
    // A track in its last moment still has its second of fade; the first tick is a second from now.
    const StartAnswer answer = begin(pendingSetup_, quint32(qMax<qint64>(1, now().msecsTo(end) / 1000)));
    if (answer.outcome == StartAnswer::Started) {
        view_.fadeEnd = end;
        sayFading();
    } else {
        trackEnd_.stop();
    }
    answerLater(answer);
}

void SessionController::answerLater(const StartAnswer &answer)
{
    trackAnswer_ = answer;
    // An answer within start() is its return value; a later one is told.
    if (!starting_)
        Q_EMIT startAnswered(*std::exchange(trackAnswer_, std::nullopt));
}

void SessionController::trackMissing(NowPlaying::Missing why)
{
    const bool stream = why == NowPlaying::Missing::NoLength;
    view_.trackEnd.reset();
    say(stream ? Kind::TrackHasNoEnd : Kind::NothingPlaying);
    if (!std::exchange(lookingForTrack_, false))
        return;
    StartAnswer answer;
    answer.outcome = StartAnswer::NoTrack;
    answer.track = stream ? TrackMissing::NoLength : TrackMissing::NothingPlaying;
    answerLater(answer);
}

void SessionController::trackMoved(const QDateTime &end)
{
    if (!isRunning()) {
        view_.trackEnd = end;
        publish();
        return;
    }
    if (view_.phase != Phase::Fading)
        return;
    view_.trackPaused = false;
    view_.fadeEnd = end;
    // Silent already, the night waits for the moved end.
    if (holdingForTrack_) {
        platform_.clock->wakeAfter(qMax<qint64>(0, now().msecsTo(end)));
        return;
    }
    // The fade goes on from its level to 0 at the track's new end.
    fade_.moveEnd(ticks_ + ticksBefore(end), ticks_);
    progress_.restart(setup_, view_.fadeEnd);
    showProgress();
    sayFading();
}

quint32 SessionController::ticksBefore(const QDateTime &end) const
{
    const QDateTime nextTick = lastTickAt_.addSecs(1);
    return 1 + quint32(qMax<qint64>(0, nextTick.msecsTo(end) / 1000));
}

void SessionController::trackPaused()
{
    if (view_.phase != Phase::Fading)
        return;
    // Paused in its silent last moment: the night has what it waited for.
    if (holdingForTrack_) {
        trackEndReached();
        return;
    }
    view_.trackPaused = true;
    say(Kind::TrackPaused);
}

void SessionController::trackOver()
{
    if (view_.phase != Phase::Fading) {
        if (trackForWindow_ && !isRunning())
            trackEnd_.find(); // the next track, for the window
        return;
    }
    // The next track began, or the music stopped: the night is over now, silent before a note of it is heard.
    trackEndReached();
}

void SessionController::trackEndReached()
{
    volume_.setFadeLevel(0);
    view_.percent = volume_.percent();
    endFade();
}

std::optional<TrackNote> SessionController::noteOffered() const
{
    return note_.offer();
}

void SessionController::resume()
{
    note_.resume();
}
