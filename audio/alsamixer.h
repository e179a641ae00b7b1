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
// loudest. Changes made elsewhere are read and answered as they come.
//
// Through a sound server's plug-in every control call, the open and the
// close included, waits for as long as the server does not answer. So a
// worker thread of the mixer's own makes them all, in order, and nobody
// waits for it: a server that is held up holds up only the worker. Of the
// level's writes not made yet the latest wins, and it is made once the
// server answers.
class AlsaMixer : public Mixer {
    Q_OBJECT
public:
    // server: the direct way to a sound server for a fade, from whoever
    // builds the platform; without it a fade goes through the plug-in too.
    explicit AlsaMixer(QByteArray device = "default", PulseSink *server = nullptr);
    ~AlsaMixer() override;

    void refresh() override;
    void setLevel(quint16 level) override;
    void setOutputMuted(bool muted) override;
    void setOutput(quint32 volume) override;
    void keepOpen(bool keep) override;
    void watch() override;
    bool isWatching() const override;

    // The program ends without its destructors (its display went first): the
    // requests made are done first, as at the mixer's end. Waits two seconds
    // at most for a server that does not answer, so only at the very end.
    void finish();

private:
    // What the worker's jobs share with the mixer; they keep it alive, so a
    // worker held up by the server may outlive the mixer.
    struct Shared;

    // Tells the answer to the level's request number asked, unless a later
    // request has come since: its own answer follows.
    void answerLevel(quint64 asked, std::optional<quint16> level, Lack lack);
    // Queues a job that changes the wave output: operation(control) makes the
    // change and gives the volume to answer with, if any.
    template <typename Operation>
    void postOutput(AudioWorker::Lock &lock, Operation operation);
    // Lets go of the connection that the worker keeps, on the worker.
    void closeKeptConnection(AudioWorker::Lock &lock);

    // Whether "default" is a sound server's plug-in, as last seen on opening it.
    bool isSoundServer() const;
    // The direct way to the sound server for a fade; none on a sound card.
    PulseSink *serverRoute();
    // That way while a fade keeps the mixer open and it is connected: then
    // the plug-in's connection, which would only add wake-ups, is let go.
    // After the fade a write still takes it while requests sent on it are
    // unanswered, and none does while the worker has a write to make: one
    // way at a time, so that no write lands after a later one.
    PulseSink *readyServerRoute(AudioWorker::Lock &lock);

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
