// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>

// The system's master volume and the wave output, in levels 0..65535. The
// requests never wait: each is made in turn behind the caller's back, and the
// answers come as signals carrying their values, from the event loop.
//
// Of the answers about the level, the one to the latest request always comes
// (a fade's write that succeeds excepted, see setLevel); one that a later
// request overtook may be left out, so that an old level never follows a
// newer one.
class Mixer : public QObject {
    Q_OBJECT
public:
    enum class Lack {
        NoMixer,         // the mixer could not be opened, or its server went away
        NoVolumeControl, // it has no usable master volume control
    };
    Q_ENUM(Lack)

    // The wave output all on: both channels full, or the switch on.
    static constexpr quint32 OutputOn = 0xFFFFFFFFu;

    using QObject::QObject;

    // Asks for the master level: levelRead, or unavailable.
    virtual void refresh() = 0;
    // Sets the master level, keeping the balance between the channels:
    // levelRead with it once set, or unavailable. While kept open for a fade
    // only a failure is answered: a fade needs no word every second.
    virtual void setLevel(quint16 level) = 0;

    // The wave output: its volume, left channel in the low 16 bits, right in
    // the high 16; 0 is muted. Muting answers outputRead with the volume it
    // had, when it could be read; unmuting turns on an output that is muted
    // and leaves one that sounds as it is.
    virtual void setOutputMuted(bool muted) = 0;
    // Gives the output a volume, such as the one a mute answered.
    virtual void setOutput(quint32 volume) = 0;

    // While kept open, the requests share one connection, opened by the first
    // of them; one that fails drops it, and the next opens a new one (a sound
    // server that restarted is found again). false closes it.
    virtual void keepOpen(bool keep) = 0;

    // From now on a change of the master level, by anyone (our own writes
    // included), is answered as a refresh is.
    virtual void watch() = 0;
    // False while changes cannot be followed (no mixer, or its server went away).
    virtual bool isWatching() const = 0;

Q_SIGNALS:
    void levelRead(quint16 level);
    void outputRead(quint32 volume);
    void unavailable(Mixer::Lack lack);
};
