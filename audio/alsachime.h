#pragma once

#include <QByteArray>
#include <atomic>
#include <thread>

#include "audio/chime.h"

// The chime on an ALSA PCM device ("default": the sound server), played by a
// worker thread for 60 seconds or until stopped: a few soft bell tones that
// rise and ring out, again and again. The samples are synthesised here.
class AlsaChime : public Chime {
public:
    explicit AlsaChime(QByteArray device = "default", int seconds = 60);
    ~AlsaChime() override;

    bool start() override;
    void stop() override;
    bool isPlaying() const override;

private:
    QByteArray device_;
    int seconds_;
    std::thread worker_;
    std::atomic<bool> stopping_ {false};
    std::atomic<bool> playing_ {false};
};
