#pragma once

#include <QStringList>

#include "session/shell.h"
#include "ui/formhandlers.h"

// Records what the window hands over, in order.
class RecordingHandlers : public FormHandlers {
public:
    QStringList calls;
    void loadSettings() override { calls << QStringLiteral("loadSettings"); }
    void readMasterVolume() override { calls << QStringLiteral("readMasterVolume"); }
    void applyCommandLine() override { calls << QStringLiteral("applyCommandLine"); }
    void trackBarChanged() override { calls << QStringLiteral("trackBarChanged"); }
    void mouseWheel(bool up) override { calls << (up ? QStringLiteral("wheelUp") : QStringLiteral("wheelDown")); }
    void startCancelClicked() override { calls << QStringLiteral("startCancelClicked"); }
    bool closeRequested() override
    {
        calls << QStringLiteral("closeRequested");
        return true;
    }
};

class RecordingShell : public Shell {
public:
    QList<QUrl> opened;
    void open(const QUrl &url) override { opened << url; }
};

#include <functional>
#include <optional>

#include "audio/levels.h"
#include "audio/mixer.h"
#include "audio/volumeview.h"

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
    std::optional<quint32> readWaveVolume() override { return available ? wave : std::nullopt; }
    void writeWaveVolume(quint32 volume) override
    {
        if (!available)
            return;
        wave = volume;
        waveWrites << volume;
    }
};

// A slider and readout in memory; moving the slider runs the change handler, as the window's does.
class FakeVolumeView : public VolumeView {
public:
    quint16 position = 0;
    QString readout = QStringLiteral("Volume: ");
    int mixerErrors = 0;
    std::function<void()> sliderChanged;

    quint16 sliderPosition() const override { return position; }
    void setSliderPosition(quint16 level) override
    {
        if (level == position)
            return;
        position = level;
        if (sliderChanged)
            sliderChanged();
    }
    void ShowVolumeReadout(quint8 percent) override { readout = VolumeReadoutText(percent); }
    void showMixerError() override { ++mixerErrors; }
};

#include "app/apperror.h"
#include "session/clock.h"
#include "session/endactions.h"
#include "settings/settingsstore.h"

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

private:
    std::function<void()> onSecond_;
};

// Records the end actions; a wake-up rings when the test says so.
class FakeEndActions : public EndActions {
public:
    QStringList calls;
    quint8 percent = 0;
    std::optional<quint32> savedWave;
    bool tomorrow = false;
    std::function<void()> rang;

    void EnableShutdownPrivilege() override { calls << QStringLiteral("privilege"); }
    void powerOff() override { calls << QStringLiteral("powerOff"); }
    void suspend() override { calls << QStringLiteral("suspend"); }
    void wakeUp(quint8 wakePercent, std::optional<quint32> wave, bool wakeTomorrow, std::function<void()> done) override
    {
        calls << QStringLiteral("wakeUp");
        percent = wakePercent;
        savedWave = wave;
        tomorrow = wakeTomorrow;
        rang = std::move(done);
    }
    void cancelWakeUp() override
    {
        calls << QStringLiteral("cancelWakeUp");
        rang = nullptr;
    }
};

// Settings in memory; writing can be made to fail.
class MemorySettingsStore : public SettingsStore {
public:
    StoredSetup stored;
    bool failWrites = false;
    int writes = 0;

    void EnsureSettingsKey() override {}
    StoredSetup read() override { return stored; }
    void write(const StoredSetup &setup) override
    {
        if (failWrites)
            throw AppError(QStringLiteral("Failed to set data for 'Timer'"));
        stored = setup;
        ++writes;
    }
};
