// SPDX-License-Identifier: MIT
#pragma once

#include <QStringList>
#include <functional>
#include <optional>
#include <utility>

#include "audio/chime.h"
#include "audio/mixer.h"
#include "platform/awakelock.h"
#include "platform/clock.h"
#include "platform/endwarning.h"
#include "platform/mediaplayers.h"
#include "platform/nowplaying.h"
#include "platform/platform.h"
#include "platform/power.h"
#include "platform/shell.h"
#include "platform/taskbarprogress.h"
#include "platform/wakealarm.h"
#include "settings/settingsstore.h"
#include "settings/setup.h"

// Fakes of the platform's services for the tests of the layers above it.

class RecordingShell : public Shell {
public:
    QList<QUrl> opened;
    QStringList files;
    bool handlerWorks = true;
    bool answersLater = false; // the desktop's program takes its time: the test answers
    void open(const QUrl &url) override { opened << url; }
    void openFile(const QString &pathOrUrl) override
    {
        files << pathOrUrl;
        if (!answersLater)
            Q_EMIT fileOpened(handlerWorks);
    }
};

// A mixer in memory; it can be taken away, or lose its volume control. It
// answers at once, or, with answersLater, when the test calls answer(): then,
// as the real one, it answers only the latest request about the level.
class FakeMixer : public Mixer {
public:
    bool available = true;
    bool hasVolumeControl = true;
    quint16 level = 0;
    QList<quint16> writes;
    std::optional<quint32> wave = OutputOn;
    QList<quint32> waveWrites;
    bool keptOpen = false;
    bool watched = false;
    bool watching = true;
    bool answersLater = false;

    void refresh() override { answerLevel(); }
    void setLevel(quint16 newLevel) override
    {
        if (available && hasVolumeControl) {
            level = newLevel;
            writes << newLevel;
            if (keptOpen)
                return; // a fade's writes are answered only when they fail
        }
        answerLevel();
    }
    void setOutputMuted(bool muted) override
    {
        if (!available)
            return;
        const std::optional<quint32> before = wave;
        if (muted || before == 0u)
            writeOutput(muted ? 0 : OutputOn);
        if (muted && before)
            Q_EMIT outputRead(*before);
    }
    void setOutput(quint32 volume) override
    {
        if (available)
            writeOutput(volume);
    }
    void keepOpen(bool keep) override { keptOpen = keep; }
    void watch() override { watched = true; }
    bool isWatching() const override { return watching && watched; }
    // Another program sets the volume.
    void setElsewhere(quint16 newLevel)
    {
        level = newLevel;
        if (isWatching())
            answerLevel();
    }
    // The answer held back, if any.
    void answer()
    {
        if (std::exchange(answerDue_, false))
            tellLevel();
    }

private:
    void answerLevel()
    {
        if (answersLater)
            answerDue_ = true;
        else
            tellLevel();
    }
    void tellLevel()
    {
        if (!available)
            Q_EMIT unavailable(Lack::NoMixer);
        else if (!hasVolumeControl)
            Q_EMIT unavailable(Lack::NoVolumeControl);
        else
            Q_EMIT levelRead(level);
    }
    void writeOutput(quint32 volume)
    {
        wave = volume;
        waveWrites << volume;
    }

    bool answerDue_ = false;
};

// Seconds that pass only when the test says so.
class FakeClock : public Clock {
public:
    QDateTime now = QDateTime(QDate(2026, 12, 7), QTime(22, 0));

    void startSeconds() override { ticking_ = true; }
    void stopSeconds() override { ticking_ = false; }
    QDateTime localNow() const override { return now; }

    bool ticking() const { return ticking_; }
    // Lets up to n seconds pass; fewer when the seconds stop on the way.
    int advance(int n)
    {
        int passed = 0;
        for (; passed < n && ticking_; ++passed) {
            now = now.addSecs(1);
            Q_EMIT second();
        }
        return passed;
    }

    void wakeAfter(qint64 ms) override
    {
        wakeAt_ = now.addMSecs(ms);
        waking_ = true;
    }
    void stopWake() override { waking_ = false; }
    bool waking() const { return waking_; }
    // Lets the wall clock run to t, waking at every deadline on the way; answers how many wakes there were.
    int runUntil(const QDateTime &t)
    {
        int wakes = 0;
        while (waking_ && wakeAt_ <= t) {
            now = wakeAt_;
            fireWake();
            ++wakes;
        }
        now = t;
        return wakes;
    }
    // The wall clock jumps (it is set, or the computer resumes): a pending wake fires at once.
    void jumpTo(const QDateTime &t)
    {
        now = t;
        if (waking_)
            fireWake();
    }

private:
    void fireWake()
    {
        waking_ = false;
        Q_EMIT wakeDue();
    }

    bool ticking_ = false;
    bool waking_ = false;
    QDateTime wakeAt_;
};

// Records the power requests; they are answered at once, refused when a refusal is set.
class FakePower : public Power {
public:
    QStringList calls;
    QString refusal;
    std::function<void()> onRequest; // runs as power-off or suspend is asked for

    void probePowerActions(EndAction chosen) override
    {
        calls << (chosen == EndAction::PowerOff      ? QStringLiteral("privilege:powerOff")
                      : chosen == EndAction::Suspend ? QStringLiteral("privilege:suspend")
                                                     : QStringLiteral("privilege"));
    }
    void powerOff() override { request(QStringLiteral("powerOff"), false); }
    void suspend() override { request(QStringLiteral("suspend"), true); }

private:
    void request(const QString &call, bool answeredWhenDone)
    {
        calls << call;
        if (onRequest)
            onRequest();
        if (!refusal.isEmpty())
            Q_EMIT refused(refusal);
        else if (answeredWhenDone)
            Q_EMIT resumed();
    }
};

// A lock that is only counted.
class FakeAwakeLock : public AwakeLock {
public:
    bool held = false;
    int holds = 0;
    std::function<void()> onRelease; // runs as the lock is given back, before the answer

    void hold() override
    {
        held = true;
        ++holds;
    }
    void release() override
    {
        held = false;
        if (onRelease)
            onRelease();
        Q_EMIT released();
    }
};

// Players that pause at once.
class FakeMediaPlayers : public MediaPlayers {
public:
    int pauses = 0;
    void pauseAll() override
    {
        ++pauses;
        Q_EMIT paused();
    }
};

// A chime that only counts; it can lack a sound device. It answers at once,
// or, with answersLater, when the test calls answer().
class FakeChime : public Chime {
public:
    bool device = true;
    bool answersLater = false;
    bool playing = false;
    int starts = 0;
    void start() override
    {
        ++starts;
        answerDue_ = true;
        if (!answersLater)
            answer();
    }
    void stop() override
    {
        const bool going = playing || answerDue_;
        playing = answerDue_ = false;
        if (going)
            Q_EMIT silent();
    }
    void answer()
    {
        if (!std::exchange(answerDue_, false))
            return;
        playing = device;
        if (device)
            Q_EMIT started();
        else
            Q_EMIT unavailable();
    }

private:
    bool answerDue_ = false;
};

// The warning and the task bar's progress, recorded.
class FakeEndWarning : public EndWarning {
public:
    QStringList shown; // "summary | body | expiry"
    int withdrawals = 0;
    void show(const QString &summary, const QString &body, int expireMs) override
    {
        shown << QStringLiteral("%1 | %2 | %3").arg(summary, body).arg(expireMs);
    }
    void withdraw() override { ++withdrawals; }
};

class FakeTaskbarProgress : public TaskbarProgress {
public:
    QStringList sent; // "percent% minutes" or "clear"
    void show(double progress, int minutesLeft) override
    {
        sent << QStringLiteral("%1% %2").arg(qRound(progress * 100)).arg(minutesLeft);
    }
    void clear() override { sent << QStringLiteral("clear"); }
};

// Settings in memory, as a whole; writing can be made to fail.
class MemorySettingsStore : public SettingsStore {
public:
    std::optional<Setup> stored;
    bool failWrites = false;
    int writes = 0;

    void ensureSettingsFile() override {}
    void load(Setup &setup) override
    {
        if (stored)
            setup = *stored;
    }
    bool save(const Setup &setup, QString *error) override
    {
        if (failWrites) {
            *error = QStringLiteral("Failed to set data for 'Timer'");
            return false;
        }
        stored = setup;
        ++writes;
        return true;
    }
    std::optional<TrackNote> note;
    void saveNote(const TrackNote &noted) override { note = noted; }
    std::optional<TrackNote> loadNote() override { return note; }
    void forgetNote() override { note.reset(); }
};

// A wake that is armed at once by its route, or fails without one.
class FakeWakeAlarm : public WakeAlarm {
public:
    Route route = Route::Kernel;
    QList<QDateTime> arms;
    int disarms = 0;
    bool armedNow = false;

    void findRoute() override { Q_EMIT routeFound(route); }
    void arm(const QDateTime &at) override
    {
        if (route == Route::None) {
            Q_EMIT armFailed(QStringLiteral("nothing here can wake this computer"));
            return;
        }
        arms << at;
        armedNow = true;
        Q_EMIT armed(route);
    }
    void disarm() override
    {
        disarms += armedNow;
        armedNow = false;
    }
    bool isArmed() const override { return armedNow; }
};

// The track playing is the test's (none: nothing plays); requests are
// recorded and answered at once, or a look when the test says so. The test
// emits changed() and lost() itself.
class FakeNowPlaying : public NowPlaying {
public:
    std::optional<PlayingTrack> track;
    QString followed;
    QList<PlayingTrack> resumes;
    std::optional<ResumeFailure> resumeFailure;
    bool answersLater = false;

    void lookUp() override
    {
        if (!answersLater)
            answer();
    }
    void answer()
    {
        track && track->lengthUs ? Q_EMIT found(*track)
                                 : Q_EMIT notFound(track ? Missing::NoLength : Missing::NothingPlaying);
    }
    void follow(const QString &player) override { followed = player; }
    void unfollow() override { followed.clear(); }
    void resume(const PlayingTrack &note) override
    {
        resumes << note;
        resumeFailure ? Q_EMIT resumeFailed(*resumeFailure) : Q_EMIT resumed();
    }
};

// Every platform service faked, and the Platform that hands them to the
// program; use() puts a real adapter in place of its fake.
struct FakePlatform {
    MemorySettingsStore settings;
    FakeMixer mixer;
    RecordingShell shell;
    FakePower power;
    FakeAwakeLock awake;
    FakeClock clock;
    FakeMediaPlayers players;
    FakeChime chime;
    FakeEndWarning warning;
    FakeTaskbarProgress progress;
    FakeWakeAlarm wake;
    FakeNowPlaying playing;
    Platform platform {&settings, &mixer, &shell,   &power,    &awake, &clock,
                       &players,  &chime, &warning, &progress, &wake,  &playing};

    // sessionBus: where the panel item goes; by default nowhere.
    explicit FakePlatform(const QDBusConnection &sessionBus = QDBusConnection(QString()))
    {
        platform.sessionBus = sessionBus;
    }

    FakePlatform &use(SettingsStore &real) { return set(platform.settings, real); }
    FakePlatform &use(Mixer &real) { return set(platform.mixer, real); }
    FakePlatform &use(Shell &real) { return set(platform.shell, real); }
    FakePlatform &use(Power &real) { return set(platform.power, real); }
    FakePlatform &use(AwakeLock &real) { return set(platform.awake, real); }
    FakePlatform &use(Clock &real) { return set(platform.clock, real); }
    FakePlatform &use(Chime &real) { return set(platform.chime, real); }
    FakePlatform &use(EndWarning &real) { return set(platform.warning, real); }
    FakePlatform &use(TaskbarProgress &real) { return set(platform.progress, real); }
    FakePlatform &use(WakeAlarm &real) { return set(platform.wake, real); }
    FakePlatform &use(NowPlaying &real) { return set(platform.playing, real); }

private:
    template <class Service>
    FakePlatform &set(Service *&slot, Service &real)
    {
        slot = &real;
        return *this;
    }
};
