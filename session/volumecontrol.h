// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <optional>

class Mixer;

// The master volume as the window shows and sets it: the read at the start,
// the slider and the mouse wheel, and the level set elsewhere followed. It
// holds the master level the program works with and the percent shown for
// it. While a session holds the mixer (setLocked), the session sets them,
// and the slider, the wheel and changes made elsewhere are left alone. Every
// call to the mixer is made here, the session's too: the fade's connection,
// the wave output muted for the night and given back.
class VolumeControl : public QObject {
    Q_OBJECT
public:
    static constexpr quint16 WheelStep = 1000;

    explicit VolumeControl(Mixer &mixer, QObject *parent = nullptr);

    quint16 level() const { return level_; }
    quint8 percent() const { return percent_; }

    // The current master volume, once at the start; from then on, while
    // unlocked, changes made elsewhere are followed. Writes nothing.
    void readAtStart();
    // A fade begins: one connection to the mixer for its length, and the level read again if it may be stale.
    void beginFade();
    // The fade's level of this second: shown and written.
    void setFadeLevel(quint16 level);
    // The fade is over or cancelled: its connection is let go.
    void endFade();
    // At the fade's end: the wave output muted for the night, and what it was kept.
    void muteForTheNight();
    // Cancelled after the fade: the wave output as it was before it.
    void giveBackOutput();
    // The wake-up, or back from a suspend: the output on as it was before the
    // night, or fully on when it was muted or unknown then.
    void turnOutputOn();
    // The wake-up volume: the level of a percent, written, with the readout
    // showing that percent itself rather than the level's percent rounded down.
    void setWakeUpPercent(quint8 percent);

public Q_SLOTS:
    // The user's slider: the master volume follows, unless locked.
    void setLevel(quint16 level);
    void stepByWheel(bool up);
    // A session holds the mixer: the user's slider and wheel and changes made elsewhere are left alone.
    void setLocked(bool locked);

Q_SIGNALS:
    // The level to show on the slider (not for the user's own moves of it).
    void levelChanged(quint16 level);
    void percentChanged(quint8 percent);
    // No mixer, or no volume control on it, at the start.
    void mixerUnavailable();

private:
    void followMixer();
    // Reads the level again when changes made elsewhere cannot be followed.
    void refreshIfUnwatched();
    // The level's percent, then the readout.
    void showCurrentLevel();
    // The mixer's level into the level, the readout and the slider, writing nothing back.
    void showMixerLevel(quint16 level);
    // Unmutes the output when it is muted, as a volume control does when turned up.
    void unmuteIfMuted();

    Mixer &mixer_;
    std::optional<quint32> outputBeforeTheNight_;
    bool locked_ = false;
    quint16 level_ = 0;
    quint8 percent_ = 0;
};
