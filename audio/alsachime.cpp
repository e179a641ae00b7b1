// SPDX-License-Identifier: MIT
#include "audio/alsachime.h"
#include "audio/audioworker.h"

#include <alsa/asoundlib.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>
#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <cmath>
#include <exception>
#include <utility>
#include <vector>

namespace {

constexpr unsigned Rate = 44100;
constexpr double Pi = 3.14159265358979323846;

// One pass of the chime: three tones of a major chord, each with a soft
// attack and a long bell-like decay, then a rest; about three seconds.
std::vector<short> chimeSamples()
{
    const double notes[] = {659.26, 830.61, 987.77}; // E5, G#5, B5
    const double spacing = 0.45, length = 3.0;
    std::vector<double> mix(size_t(length * Rate), 0.0);
    for (int n = 0; n < 3; ++n) {
        const size_t start = size_t(n * spacing * Rate);
        for (size_t i = 0; start + i < mix.size(); ++i) {
            const double t = double(i) / Rate;
            const double envelope = std::min(1.0, t / 0.02) * std::exp(-t * 2.2);
            // A little of the octave above makes it sound like a bell rather than a beep.
            const double tone = std::sin(2 * Pi * notes[n] * t) + 0.3 * std::sin(4 * Pi * notes[n] * t);
            mix[start + i] += 0.22 * envelope * tone;
        }
    }
    std::vector<short> samples(mix.size());
    for (size_t i = 0; i < mix.size(); ++i)
        samples[i] = short(std::lround(std::clamp(mix[i], -1.0, 1.0) * 32767));
    return samples;
}

snd_pcm_t *openDevice(const char *device)
{
    snd_pcm_t *pcm = nullptr;
    // Non-blocking, so that the worker waits for room in poll(), where a stop wakes it.
    if (snd_pcm_open(&pcm, device, SND_PCM_STREAM_PLAYBACK, SND_PCM_NONBLOCK) < 0)
        return nullptr;
    // A short buffer, so that a stop is heard within a tenth of a second.
    if (snd_pcm_set_params(pcm, SND_PCM_FORMAT_S16, SND_PCM_ACCESS_RW_INTERLEAVED, 1, Rate, 1, 100000) < 0) {
        snd_pcm_close(pcm);
        return nullptr;
    }
    return pcm;
}

} // namespace

// The device, and a stop's word for the job that plays on it.
struct AlsaChime::Playing {
    snd_pcm_t *pcm = nullptr; // the worker's own
    std::atomic<bool> stopping {false};
    const int wake = eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK); // wakes play() for a stop; poll() ignores a -1

    Playing() = default;
    Playing(const Playing &) = delete;
    Playing &operator=(const Playing &) = delete;
    ~Playing()
    {
        if (wake >= 0)
            close(wake);
    }

    // Plays until done or stopped, then closes the device.
    void playOut(int seconds);
    void play(int seconds);
};

void AlsaChime::Playing::playOut(int seconds)
{
    try {
        play(seconds);
    } catch (const std::exception &) {
        // No memory for the samples: the chime ends as at a lost device.
    }
    if (stopping)
        snd_pcm_drop(pcm);
    else if (snd_pcm_nonblock(pcm, 0) == 0) // a non-blocking drain would cut the last tone off
        snd_pcm_drain(pcm);
    snd_pcm_close(std::exchange(pcm, nullptr));
}

void AlsaChime::Playing::play(int seconds)
{
    const std::vector<short> pass = chimeSamples();
    const int pcmFds = snd_pcm_poll_descriptors_count(pcm);
    if (pcmFds <= 0)
        return;
    std::vector<pollfd> fds(size_t(pcmFds) + 1);
    if (snd_pcm_poll_descriptors(pcm, fds.data(), unsigned(pcmFds)) != pcmFds)
        return;
    fds.back() = {wake, POLLIN, 0};
    const size_t total = size_t(seconds) * Rate;
    const size_t chunk = Rate / 20;
    for (size_t written = 0; written < total && !stopping;) {
        const size_t at = written % pass.size();
        const size_t count = std::min({chunk, pass.size() - at, total - written});
        snd_pcm_sframes_t done = snd_pcm_writei(pcm, pass.data() + at, count);
        if (done == -EAGAIN) {
            if (poll(fds.data(), fds.size(), -1) < 0 && errno != EINTR)
                return;
            // The plug-in's descriptors must be read through ALSA, or they stay ready.
            unsigned short revents = 0;
            snd_pcm_poll_descriptors_revents(pcm, fds.data(), unsigned(pcmFds), &revents);
            continue;
        }
        if (done < 0)
            done = snd_pcm_recover(pcm, int(done), 1) < 0 ? -1 : 0;
        if (done < 0)
            return; // the device went away
        written += size_t(done);
    }
}

AlsaChime::AlsaChime(QByteArray device, int seconds, QObject *parent)
    : Chime(parent)
    , device_(std::move(device))
    , seconds_(seconds)
{
}

AlsaChime::~AlsaChime()
{
    release();
}

void AlsaChime::start()
{
    // A chime still playing is let go.
    release();
    if (!startWorker())
        Q_EMIT unavailable();
}

bool AlsaChime::startWorker()
{
    try {
        auto worker = std::make_unique<AudioWorker>(std::chrono::milliseconds::zero());
        if (!worker->hasThread())
            return false; // played here, the chime would hold the caller up
        auto playing = std::make_shared<Playing>();
        // The news run only while the worker lives, which this object outlives.
        worker->post([this, playing, device = device_, seconds = seconds_](AudioWorker::Turn &turn) {
            playing->pcm = turn.unlocked([&] { return openDevice(device.constData()); });
            if (!playing->pcm) {
                turn.deliver([this] { openFailed(); });
                return;
            }
            turn.deliver([this] { Q_EMIT started(); });
            turn.unlocked([&] { playing->playOut(seconds); });
            turn.deliver([this] { playedOut(); });
        });
        worker_ = std::move(worker);
        playing_ = std::move(playing);
        return true;
    } catch (const std::exception &) {
        return false; // no memory for the worker
    }
}

void AlsaChime::stop()
{
    if (release())
        Q_EMIT silent();
}

void AlsaChime::openFailed()
{
    release();
    Q_EMIT unavailable();
}

void AlsaChime::playedOut()
{
    // Only the worker in hand has news: one let go took its own with it.
    release();
    Q_EMIT silent();
}

bool AlsaChime::release()
{
    if (!worker_)
        return false;
    playing_->stopping = true;
    eventfd_write(playing_->wake, 1);
    // A worker still closing the device, or held up by the server, is let go
    // and ends by itself.
    worker_.reset();
    playing_.reset();
    return true;
}
