// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QObject>
#include <memory>

#include "audio/audioworker.h"
#include "audio/mixer.h"
#include "audio/mixerwatch.h"
#include "audio/pulsesink.h"

// The ALSA mixer: the "Master" playback volume on a control
// device, "default" unless told otherwise. On a sound server "Master" is its
// default sink. The wave output is the "PCM" element where there is one;
// otherwise it is Master's playback switch (all on 0xFFFFFFFF, muted 0).
// Setting a level keeps the balance between channels; a read gives the
// loudest. Changes made elsewhere are announced from the event loop.
//
// Through a sound server's plug-in every control call, the open and the
// close included, waits for as long as the server does not answer. So a
// worker thread of the mixer's own makes them all, in order, and a caller
// waits for one only briefly, and not at all while the worker is still held
// up: a write is then made once the server answers (of writes not made yet,
// the latest wins), and a read is answered from what was last read or
// written. A late answer that differs from what the caller was told is
// announced as a change.
class AlsaMixer : public Mixer {
    Q_OBJECT
public:
    // server: the direct way to a sound server for a fade, from whoever
    // builds the platform; without it a fade goes through the plug-in too.
    explicit AlsaMixer(QByteArray device = "default", PulseSink *server = nullptr);
    ~AlsaMixer() override;

    std::optional<quint16> readMasterLevel() override;
    Access setMasterLevel(quint16 level) override;
    std::optional<quint32> readWaveVolume() override;
    void writeWaveVolume(quint32 volume) override;
    void keepOpen(bool keep) override;
    void watch() override;
    bool isWatching() const override;

private:
    // What the worker's jobs share with the mixer; they keep it alive, so a
    // worker held up by the server may outlive the mixer.
    struct Shared;
    template <typename T>
    struct Value;

    template <typename T, typename Read>
    std::optional<T> read(Value<T> Shared::*value, Read operation);
    template <typename T, typename Write>
    Access write(Value<T> Shared::*value, T wanted, Write operation);
    // Lets go of the connection that the worker keeps, on the worker.
    void closeKeptConnection();
    // Takes what the worker has for us: a level that changed.
    void takeNews();

    // Whether "default" is a sound server's plug-in, as last seen on opening it.
    bool isSoundServer() const;
    // The direct way to the sound server for a fade; none on a sound card.
    PulseSink *serverRoute();
    // That way while a fade keeps the mixer open and it is connected: then
    // the plug-in's connection, which would only add wake-ups, is let go.
    // After the fade a write still takes it while requests sent on it are
    // unanswered, and none does while the worker has a write to make: one
    // way at a time, so that no write lands after a later one.
    PulseSink *readyServerRoute(bool writing);

    std::shared_ptr<Shared> shared_;
    AudioWorker worker_;
    MixerWatch watch_; // made and ended on the worker, so declared after it
    bool keepOpen_ = false;
    bool workerKeeps_ = false; // the worker may hold a connection kept open
    // When the device is a sound server's plug-in, a fade's levels go to the
    // server directly once connected: through the plug-in each write costs
    // five round trips and a dozen thread wake-ups.
    PulseSink *server_;
};
