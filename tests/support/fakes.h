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
#include "platform/platform.h"
#include "platform/power.h"
#include "platform/shell.h"
#include "platform/startfile.h"
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
    bool answersLater = false;        // the desktop's program takes its time
    std::function<void(bool)> answer; // then the answer waits here
    void open(const QUrl &url) override { opened << url; }
    void openFile(const QString &pathOrUrl, std::function<void(bool)> done) override
    {
        files << pathOrUrl;
        if (answersLater)
            answer = std::move(done);
        else if (done)
            done(handlerWorks);
    }
};

// A mixer in memory; it can be taken away, or lose its volume control.
class FakeMixer : public Mixer {
public:
    bool available = true;
    bool hasVolumeControl = true;
    quint16 level = 0;
    QList<quint16> writes;
    std::optional<quint32> wave = 0xFFFFFFFFu;
    QList<quint32> waveWrites;

    std::optional<quint16> readMasterLevel() override
    {
        if (!available || !hasVolumeControl)
            return std::nullopt;
        return level;
    }
    Access setMasterLevel(quint16 newLevel) override
    {
        if (!available)
            return Access::NoMixer;
        if (!hasVolumeControl)
            return Access::NoVolumeControl;
        level = newLevel;
        writes << newLevel;
        return Access::Done;
    }
    bool keptOpen = false;
    void keepOpen(bool keep) override { keptOpen = keep; }
    std::function<void()> changed;
    bool watching = true;
    void watch(std::function<void()> onChange) override { changed = std::move(onChange); }
    bool isWatching() const override { return watching && bool(changed); }
    // Another program sets the volume.
    void setElsewhere(quint16 newLevel)
    {
        level = newLevel;
        if (isWatching())
            changed();
    }
    std::optional<quint32> readWaveVolume() override { return available ? wave : std::nullopt; }
    void writeWaveVolume(quint32 volume) override
    {
        if (!available)
            return;
        wave = volume;
        waveWrites << volume;
    }
};

// Seconds that pass only when the test says so.
class FakeClock : public Clock {
public:
    QDateTime now = QDateTime(QDate(2026, 12, 7), QTime(22, 0));

    void startSeconds(std::function<void()> onSecond) override { onSecond_ = std::move(onSecond); }
    void stopSeconds() override { onSecond_ = nullptr; }
    QDateTime localNow() const override { return now; }

    bool ticking() const { return bool(onSecond_); }
    // Lets up to n seconds pass; fewer when the seconds stop on the way.
    int advance(int n)
    {
        int passed = 0;
        for (; passed < n && onSecond_; ++passed) {
            now = now.addSecs(1);
            const std::function<void()> onSecond = onSecond_;
            onSecond();
        }
        return passed;
    }

    void wakeAfter(qint64 ms, std::function<void()> onWake) override
    {
        wakeAt_ = now.addMSecs(ms);
        onWake_ = std::move(onWake);
    }
    void stopWake() override { onWake_ = nullptr; }
    bool waking() const { return bool(onWake_); }
    // Lets the wall clock run to t, waking at every deadline on the way; answers how many wakes there were.
    int runUntil(const QDateTime &t)
    {
        int wakes = 0;
        while (onWake_ && wakeAt_ <= t) {
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
        if (onWake_)
            fireWake();
    }

private:
    void fireWake()
    {
        const std::function<void()> onWake = std::move(onWake_);
        onWake_ = nullptr;
        onWake();
    }

    std::function<void()> onSecond_;
    std::function<void()> onWake_;
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
    void powerOff(std::function<void(const QString &)> refused) override
    {
        calls << QStringLiteral("powerOff");
        if (onRequest)
            onRequest();
        if (!refusal.isEmpty())
            refused(refusal);
    }
    void suspend(std::function<void(const QString &)> answered) override
    {
        calls << QStringLiteral("suspend");
        if (onRequest)
            onRequest();
        answered(refusal);
    }
};

// A lock that is only counted.
class FakeAwakeLock : public AwakeLock {
public:
    bool held = false;
    int holds = 0;

    void hold() override
    {
        held = true;
        ++holds;
    }
    std::function<void()> onRelease; // runs as the lock is given back, before the answer
    void release(std::function<void()> released) override
    {
        held = false;
        if (onRelease)
            onRelease();
        if (released)
            released();
    }
};

// Players that pause at once.
class FakeMediaPlayers : public MediaPlayers {
public:
    int pauses = 0;
    void pauseAll(std::function<void()> done) override
    {
        ++pauses;
        done();
    }
};

// A chime that only counts; it can lack a sound device.
class FakeChime : public Chime {
public:
    bool device = true;
    bool playing = false;
    int starts = 0;
    bool start() override
    {
        ++starts;
        playing = device;
        return device;
    }
    std::function<void()> silent;
    void stop() override
    {
        playing = false;
        if (silent)
            std::exchange(silent, nullptr)();
    }
    bool isPlaying() const override { return playing; }
    void whenSilent(std::function<void()> done) override
    {
        silent = std::move(done);
        if (!playing)
            stop();
    }
};

// The warning and the task bar's progress, recorded.
class FakeEndWarning : public EndWarning {
public:
    QStringList shown; // "summary | body | expiry"
    int withdrawals = 0;
    std::function<void(Action)> invoked;
    void show(const QString &summary, const QString &body, int expireMs, std::function<void(Action)> onAction) override
    {
        shown << QStringLiteral("%1 | %2 | %3").arg(summary, body).arg(expireMs);
        invoked = std::move(onAction);
    }
    void withdraw() override
    {
        ++withdrawals;
        invoked = nullptr;
    }
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
    Platform platform {&settings, &mixer, &shell,   &power,    &awake, &clock,
                       &players,  &chime, &warning, &progress, &wake,  StartFile::programDataFolder()};

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

private:
    template <class Service>
    FakePlatform &set(Service *&slot, Service &real)
    {
        slot = &real;
        return *this;
    }
};
