// SPDX-License-Identifier: MIT
#include "session/sleepnote.h"

#include "platform/clock.h"
#include "settings/settingsstore.h"

namespace {

ResumeOutcome outcomeOf(NowPlaying::ResumeFailure failure)
{
    switch (failure) {
    case NowPlaying::ResumeFailure::PlayerGone:
        return ResumeOutcome::PlayerGone;
    case NowPlaying::ResumeFailure::CannotSeek:
        return ResumeOutcome::CannotSeek;
    case NowPlaying::ResumeFailure::NoUrl:
        return ResumeOutcome::NoUrl;
    case NowPlaying::ResumeFailure::Failed:
        break;
    }
    return ResumeOutcome::Failed;
}

} // namespace

SleepNote::SleepNote(SettingsStore &settings, NowPlaying &playing, Clock &clock, QObject *parent)
    : QObject(parent)
    , settings_(settings)
    , playing_(playing)
    , clock_(clock)
{
    connect(&playing_, &NowPlaying::found, this, &SleepNote::found);
    connect(&playing_, &NowPlaying::notFound, this, [this] { taking_ = false; });
    connect(&playing_, &NowPlaying::resumed, this, [this] { answer(ResumeOutcome::Resumed); });
    connect(&playing_, &NowPlaying::resumeFailed, this,
            [this](NowPlaying::ResumeFailure failure) { answer(outcomeOf(failure)); });
}

void SleepNote::take()
{
    taking_ = true;
    playing_.lookUp();
}

void SleepNote::found(const PlayingTrack &track)
{
    if (!std::exchange(taking_, false))
        return; // a look for another (the track a night ends with)
    TrackNote note;
    note.player = track.player;
    note.identity = track.identity;
    note.trackId = track.trackId;
    note.title = track.title;
    note.url = track.url;
    note.positionUs = track.positionUs;
    note.lengthUs = track.lengthUs;
    note.notedAt = clock_.localNow();
    settings_.saveNote(note);
}

std::optional<TrackNote> SleepNote::offer() const
{
    const std::optional<TrackNote> note = settings_.loadNote();
    if (!note || !note->isOffered(clock_.localNow()))
        return std::nullopt;
    return note;
}

void SleepNote::resume()
{
    resuming_ = offer();
    if (!resuming_) {
        Q_EMIT resumed(ResumeOutcome::NothingOffered, TrackNote());
        return;
    }
    PlayingTrack track;
    track.player = resuming_->player;
    track.identity = resuming_->identity;
    track.trackId = resuming_->trackId;
    track.title = resuming_->title;
    track.url = resuming_->url;
    track.positionUs = resuming_->positionUs;
    track.lengthUs = resuming_->lengthUs;
    playing_.resume(track);
}

void SleepNote::answer(ResumeOutcome outcome)
{
    if (!resuming_)
        return;
    const TrackNote note = *std::exchange(resuming_, std::nullopt);
    // Found again, the place is not offered again; one that could not be is, for another try.
    if (outcome == ResumeOutcome::Resumed)
        settings_.forgetNote();
    Q_EMIT resumed(outcome, note);
}
