// SPDX-License-Identifier: MIT
#include "audio/alsamixer.h"
#include "audio/alsacontrol.h"

#include <atomic>
#include <chrono>
#include <utility>

namespace {

// How long a call waits for the worker's device to answer at all: a server
// that answers needs a few milliseconds a call, a busy machine's now and then
// a hundred. At the mixer's end, how long it waits for the worker to close
// its connections.
constexpr std::chrono::milliseconds AnswerWait {100};

} // namespace

// A value of the mixer as the program knows it.
template <typename T>
struct AlsaMixer::Value {
    explicit Value(bool announced)
        : announce(announced)
    {
    }
    const bool announce;     // a change that no caller waits for is news for the program
    std::optional<T> known;  // as last read or written, or as wanted; empty when unknown
    std::optional<T> wanted; // a write not made yet
    quint64 reading = 0;     // the last read's job
    quint64 writing = 0;     // the last write's job
};

struct AlsaMixer::Shared {
    explicit Shared(QByteArray name)
        : device(std::move(name))
    {
    }

    const QByteArray device;
    std::atomic<bool> soundServer {false};

    // The worker's own.
    bool keep = false;
    std::unique_ptr<AlsaControl> kept;

    // The rest is under the worker's lock.
    Value<quint16> level {true};
    Value<quint32> wave {false};
    Access access = Access::Done; // of the last write
    bool levelNews = false;       // a change on its way to the mixer

    // Runs one operation on the kept connection or on one of its own; a
    // kept connection on which it fails is dropped. Called unlocked.
    template <typename Operation>
    auto withControl(Operation operation);
    void noteRoute(const AlsaControl &control);
    // Takes the device's answer as the value known; one that no caller waits
    // for is news for the mixer.
    template <typename T>
    void settle(AudioWorker::Turn &turn, Value<T> Shared::*slot, std::optional<T> now, AlsaMixer *mixer);
};

template <typename Operation>
auto AlsaMixer::Shared::withControl(Operation operation)
{
    if (!keep) {
        AlsaControl control(device.constData());
        noteRoute(control);
        return operation(control);
    }
    if (!kept) {
        kept = std::make_unique<AlsaControl>(device.constData());
        noteRoute(*kept);
    }
    const auto result = operation(*kept);
    // Never retried within the call: the next one opens a new connection.
    if (!kept->isOpen() || kept->hasFailed())
        kept.reset();
    return result;
}

void AlsaMixer::Shared::noteRoute(const AlsaControl &control)
{
    if (control.isOpen())
        soundServer = control.isSoundServer();
}

template <typename T>
void AlsaMixer::Shared::settle(AudioWorker::Turn &turn, Value<T> Shared::*slot, std::optional<T> now, AlsaMixer *mixer)
{
    Value<T> &value = this->*slot;
    if (value.known == now)
        return;
    value.known = now;
    // Nobody waits for this answer: the program reads the level again.
    if (!value.announce || turn.isAwaited() || std::exchange(levelNews, true))
        return;
    // The news run only while the worker lives, which the mixer outlives.
    turn.deliver([mixer] { mixer->takeNews(); });
}

AlsaMixer::AlsaMixer(QByteArray device, PulseSink *server)
    : shared_(std::make_shared<Shared>(std::move(device)))
    , worker_(AnswerWait, AnswerWait, &AlsaControl::answers)
    , watch_(shared_->device, worker_)
    , server_(server)
{
    connect(&watch_, &MixerWatch::changed, this, &Mixer::masterChanged);
}

AlsaMixer::~AlsaMixer()
{
    // The worker closes the connections, the watch's as it ends too; one held
    // up by the server is let go, and ends by itself once the server answers.
    closeKeptConnection();
}

template <typename T, typename Read>
std::optional<T> AlsaMixer::read(Value<T> Shared::*slot, Read operation)
{
    if (keepOpen_)
        workerKeeps_ = true;
    AudioWorker::Lock lock = worker_.lock();
    Value<T> &value = (*shared_).*slot;
    // A read not started yet answers this call too.
    if (worker_.hasStarted(lock, value.reading))
        value.reading = worker_.post(lock, [this, shared = shared_, slot, operation](AudioWorker::Turn &turn) {
            const std::optional<T> now = turn.unlocked([&] { return shared->withControl(operation); });
            // A write still to be made stands over what was read.
            if (!((*shared).*slot).wanted)
                shared->settle(turn, slot, now, this);
        });
    worker_.waitFor(lock, value.reading);
    return value.known;
}

template <typename T, typename Write>
Mixer::Access AlsaMixer::write(Value<T> Shared::*slot, T wanted, Write operation)
{
    if (keepOpen_)
        workerKeeps_ = true;
    AudioWorker::Lock lock = worker_.lock();
    Value<T> &value = (*shared_).*slot;
    value.wanted = wanted;
    value.known = wanted;
    // A write not started yet makes the latest value.
    if (worker_.hasStarted(lock, value.writing))
        value.writing = worker_.post(lock, [this, shared = shared_, slot, operation](AudioWorker::Turn &turn) {
            Value<T> &target = (*shared).*slot;
            if (!target.wanted)
                return;
            const T making = *target.wanted;
            const Access done = turn.unlocked(
                [&] { return shared->withControl([&](AlsaControl &control) { return operation(control, making); }); });
            shared->access = done;
            if (target.wanted != making)
                return; // a later one follows
            target.wanted.reset();
            shared->settle(turn, slot, done == Access::Done ? std::optional<T>(making) : std::nullopt, this);
        });
    return worker_.waitFor(lock, value.writing) ? shared_->access : Access::Done;
}

void AlsaMixer::closeKeptConnection()
{
    worker_.post([shared = shared_](AudioWorker::Turn &turn) { turn.unlocked([&] { shared->kept.reset(); }); });
}

void AlsaMixer::takeNews()
{
    {
        const AudioWorker::Lock lock = worker_.lock();
        shared_->levelNews = false;
    }
    if (watch_.isStarted())
        Q_EMIT masterChanged();
}

void AlsaMixer::keepOpen(bool keep)
{
    keepOpen_ = keep;
    worker_.post([shared = shared_, keep](AudioWorker::Turn &) { shared->keep = keep; });
    // The fade has control: changes are not followed meanwhile, and the
    // watch's own connection would only add wake-ups.
    if (keep) {
        watch_.pause();
        if (PulseSink *server = serverRoute())
            server->connect();
    } else {
        workerKeeps_ = false;
        closeKeptConnection();
        if (server_)
            server_->close();
        watch_.resume();
    }
}

std::optional<quint16> AlsaMixer::readMasterLevel()
{
    return read(&Shared::level, MixerElements::readMaster);
}

Mixer::Access AlsaMixer::setMasterLevel(quint16 level)
{
    if (PulseSink *server = readyServerRoute(true)) {
        server->setLevel(level);
        const AudioWorker::Lock lock = worker_.lock();
        shared_->level.known = level;
        return Access::Done;
    }
    // Meanwhile the plug-in does the work.
    const Access done = write(&Shared::level, level, MixerElements::writeMaster);
    if (PulseSink *server = keepOpen_ ? serverRoute() : nullptr)
        server->connect();
    return done;
}

bool AlsaMixer::isSoundServer() const
{
    return shared_->soundServer;
}

PulseSink *AlsaMixer::serverRoute()
{
    return isSoundServer() && server_ && PulseSink::canRunHere() ? server_ : nullptr;
}

PulseSink *AlsaMixer::readyServerRoute(bool writing)
{
    PulseSink *server = keepOpen_ ? serverRoute() : server_;
    if (!server || !server->isReady() || (!keepOpen_ && !(writing && server->isBusy())))
        return nullptr;
    {
        const AudioWorker::Lock lock = worker_.lock();
        if (shared_->level.wanted || shared_->wave.wanted)
            return nullptr;
    }
    if (std::exchange(workerKeeps_, false))
        closeKeptConnection();
    return server;
}

std::optional<quint32> AlsaMixer::readWaveVolume()
{
    // A sound server's plug-in has no "PCM": the wave output is the sink's mute.
    if (PulseSink *server = readyServerRoute(false))
        return server->isMuted() ? 0u : 0xFFFFFFFFu;
    return read(&Shared::wave, MixerElements::readWave);
}

void AlsaMixer::writeWaveVolume(quint32 volume)
{
    if (PulseSink *server = readyServerRoute(true)) {
        server->setMuted(volume == 0);
        const AudioWorker::Lock lock = worker_.lock();
        shared_->wave.known = volume;
        return;
    }
    write(&Shared::wave, volume, MixerElements::writeWave);
}

void AlsaMixer::watch()
{
    watch_.start();
}

bool AlsaMixer::isWatching() const
{
    return watch_.isOpen();
}
