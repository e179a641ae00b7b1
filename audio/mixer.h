// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <optional>

// The system's master volume and the wave output, in levels 0..65535. Every
// call opens the mixer, acts and closes it again, except while it is kept
// open for a fade.
class Mixer : public QObject {
    Q_OBJECT
public:
    enum class Access {
        NoMixer,         // the mixer could not be opened
        NoVolumeControl, // it has no usable master volume control
        Done,
    };

    using QObject::QObject;

    // Empty when the mixer cannot be opened, has no volume control or cannot be read.
    virtual std::optional<quint16> readMasterLevel() = 0;
    virtual Access setMasterLevel(quint16 level) = 0;

    // The wave output's volume: left channel in the low 16 bits, right in the high 16.
    // Empty when it cannot be read.
    virtual std::optional<quint32> readWaveVolume() = 0;
    virtual void writeWaveVolume(quint32 volume) = 0;

    // While kept open, the calls share one connection, opened by the first of
    // them; one that fails drops it, and the next call opens a new one (a
    // sound server that restarted is found again). false closes it.
    virtual void keepOpen(bool keep) = 0;

    // From now on masterChanged() comes from the event loop whenever the
    // master volume may have changed, by anyone (our own writes included).
    virtual void watch() = 0;
    // False while changes cannot be followed (no mixer, or its server went away).
    virtual bool isWatching() const = 0;

Q_SIGNALS:
    // The listener reads the level again.
    void masterChanged();
};
