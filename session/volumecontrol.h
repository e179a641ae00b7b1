// SPDX-License-Identifier: MIT
#pragma once

#include <QList>
#include <QObject>
#include <optional>

#include "audio/mixer.h"

// The master volume as the window shows and sets it: the read at the start,
// the slider and the mouse wheel, and the level set elsewhere followed. It
// holds the master level the program works with and the percent shown for
// it, the program's only copy: the mixer answers with its level, which is
// compared with this one. While a session holds the mixer (setLocked), the
// session sets them, and the slider, the wheel and changes made elsewhere
// are left alone. Every call to the mixer is made here, the session's too:
// the fade's connection, the wave output muted for the night and given back.
class VolumeControl : public QObject {
    Q_OBJECT
public:
    static constexpr quint16 WheelStep = 1000;

    explicit VolumeControl(Mixer &mixer, QObject *parent = nullptr);

    quint16 level() const { return level_; }
    quint8 percent() const { return percent_.value_or(0); }

    // Asks for the current master volume, once at the start; from then on,
    // while unlocked, changes made elsewhere are followed. Writes nothing. A
    // session begun before the answer came (a command line at start-up)
    // takes the level it brings.
    void readAtStart();
    // A fade begins: one connection to the mixer for its length.
    void beginFade();
    // The fade's level of this second: shown and written.
    void setFadeLevel(quint16 level);
    // The fade is over or cancelled: its connection is let go.
    void endFade();
    // At the fade's end: the wave output muted for the night, and what it was
    // kept as the mixer answers.
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
    // A notch goes from the level the mixer has: while its changes cannot be
    // followed, once it has answered a read.
    void stepByWheel(bool up);
    // A session holds the mixer: the user's slider and wheel and changes made elsewhere are left alone.
    void setLocked(bool locked);

Q_SIGNALS:
    // The level to show on the slider (not for the user's own moves of it).
    void levelChanged(quint16 level);
    // Only when the percent shown changes.
    void percentChanged(quint8 percent);
    // No mixer, or no volume control on it, at the start.
    void mixerUnavailable();

private:
    // The mixer's answers.
    void takeLevel(quint16 level);
    void takeLack(Mixer::Lack lack);
    // The wheel's notches that wait, from the level held: written and shown.
    void applyNotches();
    // The level's percent, then the readout.
    void showCurrentLevel();
    void showPercent(quint8 percent);
    // The mixer's level into the level, the readout and the slider, writing nothing back.
    void showMixerLevel(quint16 level);

    Mixer &mixer_;
    std::optional<quint32> outputBeforeTheNight_;
    bool locked_ = false;
    bool startRead_ = false;              // the read at the start is not answered yet
    bool mixerMissing_ = false;           // as the mixer last answered
    std::optional<quint16> beforeSlider_; // the level before the slider's moves that are not answered yet
    QList<bool> notches_;                 // the wheel's, up or down, waiting for the mixer's level
    quint16 level_ = 0;
    std::optional<quint8> percent_; // none until the first is shown
};
