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
