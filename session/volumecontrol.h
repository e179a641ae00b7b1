// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>

class Mixer;

// The master volume as the window shows and sets it: the read at the start,
// the slider and the mouse wheel, and the level set elsewhere followed. It
// holds the master level the program works with and the percent shown for
// it. While a session holds the mixer (setLocked), the session sets them,
// and the slider, the wheel and changes made elsewhere are left alone.
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
    // Reads the level again when changes made elsewhere cannot be followed.
    void refreshIfUnwatched();
    // The session's level: shown; written by writeCurrentLevel().
    void setSessionLevel(quint16 level);
    // The level of a percent, with the readout showing that percent itself
    // rather than the level's percent rounded down.
    void setLevelOfPercent(quint8 percent);
    // Sets the master volume to the level; a missing mixer is skipped silently.
    void writeCurrentLevel();

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
    // The level's percent, then the readout.
    void showCurrentLevel();
    // The mixer's level into the level, the readout and the slider, writing nothing back.
    void showMixerLevel(quint16 level);
    // Unmutes the output when it is muted, as a volume control does when turned up.
    void turnOutputOn();

    Mixer &mixer_;
    bool locked_ = false;
    quint16 level_ = 0;
    quint8 percent_ = 0;
};
