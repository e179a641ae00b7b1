// SPDX-License-Identifier: MIT
#include "audio/alsachime.h"

#include <alsa/asoundlib.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>
#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <cmath>
#include <condition_variable>
#include <exception>
#include <mutex>
#include <utility>
#include <vector>

namespace {

constexpr unsigned Rate = 44100;
constexpr double Pi = 3.14159265358979323846;

// How long a start waits for the open's result; a server that answers needs a
// few milliseconds. A stop waits for nothing: a chime told to stop is silent.
constexpr std::chrono::milliseconds OpenWait {150};

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

// The worker never touches the AlsaChime: everything it needs is its own or here.
struct AlsaChime::Worker {
    std::mutex mutex;
    std::condition_variable changed;
    bool opened = false;        // the open returned; set under the mutex
    bool openFailed = false;    // written before opened is set, never after
    bool finished = false;      // the device is closed; set under the mutex
    AlsaChime *owner = nullptr; // told when finished, until it lets the worker go; under the mutex
    std::atomic<bool> stopping {false};
    const int wake = eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK); // wakes play() for a stop; poll() ignores a -1

    Worker() = default;
    Worker(const Worker &) = delete;
    Worker &operator=(const Worker &) = delete;
    ~Worker()
    {
        if (wake >= 0)
            close(wake);
    }

    void run(const QByteArray &device, int seconds);
    void play(snd_pcm_t *pcm, int seconds);

    void set(bool Worker::*flag)
    {
        const std::lock_guard<std::mutex> lock(mutex);
        this->*flag = true;
        changed.notify_all();
    }
    bool waitFor(bool Worker::*flag, std::chrono::milliseconds bound)
    {
        std::unique_lock<std::mutex> lock(mutex);
        return changed.wait_for(lock, bound, [&] { return this->*flag; });
    }
};

void AlsaChime::Worker::run(const QByteArray &device, int seconds)
{
    snd_pcm_t *pcm = openDevice(device.constData());
    openFailed = !pcm;
    set(&Worker::opened);
    if (pcm) {
        try {
            play(pcm, seconds);
        } catch (const std::exception &) {
            // No memory for the samples: the chime ends as at a lost device.
        }
        if (stopping)
            snd_pcm_drop(pcm);
        else if (snd_pcm_nonblock(pcm, 0) == 0) // a non-blocking drain would cut the last tone off
            snd_pcm_drain(pcm);
        snd_pcm_close(pcm);
    }
    const std::lock_guard<std::mutex> lock(mutex);
    finished = true;
    changed.notify_all();
    if (owner)
        QMetaObject::invokeMethod(owner, &AlsaChime::playedOut, Qt::QueuedConnection);
}

void AlsaChime::Worker::play(snd_pcm_t *pcm, int seconds)
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

bool AlsaChime::start()
{
    // A chime still playing is let go: the open's wait is all the caller can spare.
    release();
    try {
        auto worker = std::make_shared<Worker>();
        worker->owner = this;
        thread_ = std::thread(&Worker::run, worker, device_, seconds_);
        worker_ = std::move(worker);
    } catch (const std::exception &) {
        return false; // no memory or no thread for the worker
    }
    // A server that has not answered yet counts as there: the chime sounds when
    // it does, and ends by itself should the open fail after all.
    if (worker_->waitFor(&Worker::opened, OpenWait) && worker_->openFailed) {
        release();
        return false;
    }
    return true;
}

void AlsaChime::stop()
{
    if (release())
        Q_EMIT silent();
}

void AlsaChime::playedOut()
{
    // The news may be of a worker let go since, and one started after it still plays.
    if (!worker_ || isPlaying())
        return;
    release();
    Q_EMIT silent();
}

bool AlsaChime::release()
{
    if (!worker_)
        return false;
    {
        const std::lock_guard<std::mutex> lock(worker_->mutex);
        worker_->owner = nullptr;
    }
    worker_->stopping = true;
    eventfd_write(worker_->wake, 1);
    // Joined only when already done: a worker still closing the device, or
    // held up by the server, ends by itself.
    if (worker_->waitFor(&Worker::finished, std::chrono::milliseconds::zero()))
        thread_.join();
    else
        thread_.detach();
    worker_.reset();
    return true;
}

bool AlsaChime::isPlaying() const
{
    if (!worker_)
        return false;
    const std::lock_guard<std::mutex> lock(worker_->mutex);
    return !worker_->finished;
}
