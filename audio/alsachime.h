// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <memory>

#include "audio/chime.h"

class AudioWorker;

// The chime on an ALSA PCM device ("default": the sound server), played by a
// worker thread for 60 seconds or until stopped: a few soft bell tones that
// rise and ring out, again and again. The samples are synthesised here.
//
// Through a sound server's plug-in every PCM call, the open included, waits
// for as long as the server does not answer (a hung or stopped server). So
// the worker also opens the device, and neither a start nor a stop waits
// for it: a worker that is still held up is let go, and ends by itself once
// the server answers again.
class AlsaChime : public Chime {
    Q_OBJECT
public:
    explicit AlsaChime(QByteArray device = "default", int seconds = 60, QObject *parent = nullptr);
    ~AlsaChime() override;

    void start() override;
    void stop() override;

private:
    // What the worker's jobs share with this object; they keep it alive, so
    // it may outlive both the stop() that let the worker go and this object.
    struct Playing;

    // A worker that opens the device and plays; false when none could be started.
    bool startWorker();
    // Tells the worker to stop and lets it go; whether one was playing.
    bool release();
    // The worker's news, on this thread: no device could be opened; it has
    // closed the device.
    void openFailed();
    void playedOut();

    QByteArray device_;
    int seconds_;
    // One for each chime started: one let go may still be held up by the server.
    std::unique_ptr<AudioWorker> worker_;
    std::shared_ptr<Playing> playing_;
};
