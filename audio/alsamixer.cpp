// SPDX-License-Identifier: MIT
#include "audio/alsamixer.h"
#include "audio/alsacontrol.h"

#include <atomic>
#include <chrono>
#include <utility>

namespace {

// At the mixer's end, how long it waits for the worker to give the sound back
// and close its connections. A server that answers needs a few milliseconds,
// but a machine busy ending a session may need hundreds: only a server that
// does not answer holds the end up for as long.
constexpr std::chrono::milliseconds EndWait {2000};

} // namespace

struct AlsaMixer::Shared {
    explicit Shared(QByteArray name)
        : device(std::move(name))
    {
    }

    const QByteArray device;
    std::atomic<bool> soundServer {false};
    std::atomic<bool> unmuting {false}; // an unmute queued and not started: it answers a later one too

    // The worker's own.
    bool keep = false;
    std::unique_ptr<AlsaControl> kept;

    // The rest is under the worker's lock.
    quint64 levelAsked = 0;             // the level's requests so far; only the mixer counts them
    std::optional<quint16> wantedLevel; // a write not made yet
    bool writeQueued = false;           // a job that makes it is queued and not started
    bool readQueued = false;            // a read is queued and not started
    int outputs = 0;                    // changes of the wave output queued or under way

    // Runs one operation on the kept connection or on one of its own; a
    // kept connection on which it fails is dropped. Called unlocked.
    template <typename Operation>
    auto withControl(Operation operation);
    void noteRoute(const AlsaControl &control);
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

AlsaMixer::AlsaMixer(QByteArray device, PulseSink *server)
    : shared_(std::make_shared<Shared>(std::move(device)))
    , worker_(EndWait)
    , watch_(shared_->device, worker_)
    , server_(server)
{
    connect(&watch_, &MixerWatch::changed, this, &AlsaMixer::refresh);
}

AlsaMixer::~AlsaMixer()
{
    // The worker closes the connections, the watch's as it ends too; one held
    // up by the server is let go, and ends by itself once the server answers.
    AudioWorker::Lock lock = worker_.lock();
    closeKeptConnection(lock);
}

void AlsaMixer::answerLevel(quint64 asked, std::optional<quint16> level, Lack lack)
{
    {
        const AudioWorker::Lock lock = worker_.lock();
        if (asked != shared_->levelAsked)
            return;
    }
    if (level)
        Q_EMIT levelRead(*level);
    else
        Q_EMIT unavailable(lack);
}

void AlsaMixer::refresh()
{
    AudioWorker::Lock lock = worker_.lock();
    ++shared_->levelAsked;
    // A read not started yet answers this request too.
    if (std::exchange(shared_->readQueued, true))
        return;
    workerKeeps_ |= keepOpen_;
    worker_.post(lock, [this, shared = shared_](AudioWorker::Turn &turn) {
        shared->readQueued = false;
        // A write still to be made answers for the level instead.
        if (shared->wantedLevel)
            return;
        const quint64 asked = shared->levelAsked;
        Lack lack = Lack::NoMixer;
        const std::optional<quint16> level = turn.unlocked([&] {
            return shared->withControl([&](AlsaControl &control) { return MixerElements::readMaster(control, &lack); });
        });
        // The news run only while the worker lives, which the mixer outlives.
        turn.deliver([this, asked, level, lack] { answerLevel(asked, level, lack); });
    });
}

void AlsaMixer::setLevel(quint16 level)
{
    AudioWorker::Lock lock = worker_.lock();
    const quint64 asked = ++shared_->levelAsked;
    if (PulseSink *server = readyServerRoute(lock)) {
        server->setLevel(level);
        if (!keepOpen_)
            QMetaObject::invokeMethod(
                this, [this, asked, level] { answerLevel(asked, level, Lack::NoMixer); }, Qt::QueuedConnection);
        return;
    }
    // Meanwhile the plug-in does the work; a write not started yet makes the latest level.
    shared_->wantedLevel = level;
    if (!std::exchange(shared_->writeQueued, true)) {
        workerKeeps_ |= keepOpen_;
        worker_.post(lock, [this, shared = shared_](AudioWorker::Turn &turn) {
            shared->writeQueued = false;
            const quint16 making = *shared->wantedLevel;
            const quint64 made = shared->levelAsked;
            Lack lack = Lack::NoMixer;
            const bool done = turn.unlocked([&] {
                return shared->withControl(
                    [&](AlsaControl &control) { return MixerElements::writeMaster(control, making, &lack); });
            });
            // One queued meanwhile makes the latest.
            if (!shared->writeQueued)
                shared->wantedLevel.reset();
            if (!done || !shared->keep)
                turn.deliver([this, made, making, done, lack] {
                    answerLevel(made, done ? std::optional<quint16>(making) : std::nullopt, lack);
                });
        });
    }
    lock.unlock();
    if (PulseSink *server = keepOpen_ ? serverRoute() : nullptr)
        server->connect();
}

template <typename Operation>
void AlsaMixer::postOutput(AudioWorker::Lock &lock, Operation operation)
{
    ++shared_->outputs;
    workerKeeps_ |= keepOpen_;
    worker_.post(lock, [this, shared = shared_, operation](AudioWorker::Turn &turn) {
        const std::optional<quint32> answer = turn.unlocked([&] { return shared->withControl(operation); });
        --shared->outputs;
        if (answer)
            turn.deliver([this, volume = *answer] { Q_EMIT outputRead(volume); });
    });
}

void AlsaMixer::setOutputMuted(bool muted)
{
    AudioWorker::Lock lock = worker_.lock();
    // A sound server's plug-in has no "PCM": the wave output is the sink's mute.
    if (PulseSink *server = readyServerRoute(lock)) {
        const quint32 before = server->isMuted() ? 0u : OutputOn;
        if (muted || before == 0)
            server->setMuted(muted);
        if (muted)
            QMetaObject::invokeMethod(
                this, [this, before] { Q_EMIT outputRead(before); }, Qt::QueuedConnection);
        return;
    }
    if (muted) {
        // An unmute still queued comes before this mute: the next one must be queued anew.
        shared_->unmuting = false;
        postOutput(lock, [](AlsaControl &control) {
            const std::optional<quint32> before = MixerElements::readWave(control);
            MixerElements::writeWave(control, 0);
            return before;
        });
        return;
    }
    if (!shared_->unmuting.exchange(true))
        postOutput(lock, [shared = shared_](AlsaControl &control) {
            shared->unmuting = false;
            if (MixerElements::readWave(control) == std::optional<quint32>(0u))
                MixerElements::writeWave(control, OutputOn);
            return std::optional<quint32>();
        });
}

void AlsaMixer::setOutput(quint32 volume)
{
    AudioWorker::Lock lock = worker_.lock();
    if (PulseSink *server = readyServerRoute(lock)) {
        server->setMuted(volume == 0);
        return;
    }
    postOutput(lock, [volume](AlsaControl &control) {
        MixerElements::writeWave(control, volume);
        return std::optional<quint32>();
    });
}

void AlsaMixer::closeKeptConnection(AudioWorker::Lock &lock)
{
    worker_.post(lock, [shared = shared_](AudioWorker::Turn &turn) { turn.unlocked([&] { shared->kept.reset(); }); });
}

void AlsaMixer::keepOpen(bool keep)
{
    keepOpen_ = keep;
    AudioWorker::Lock lock = worker_.lock();
    worker_.post(lock, [shared = shared_, keep](AudioWorker::Turn &) { shared->keep = keep; });
    if (!keep) {
        workerKeeps_ = false;
        closeKeptConnection(lock);
    }
    lock.unlock();
    // The fade has control: changes are not followed meanwhile, and the
    // watch's own connection would only add wake-ups.
    if (keep) {
        watch_.pause();
        if (PulseSink *server = serverRoute())
            server->connect();
    } else {
        if (server_)
            server_->close();
        watch_.resume();
    }
}

bool AlsaMixer::isSoundServer() const
{
    return shared_->soundServer;
}

PulseSink *AlsaMixer::serverRoute()
{
    return isSoundServer() && server_ && PulseSink::canRunHere() ? server_ : nullptr;
}

PulseSink *AlsaMixer::readyServerRoute(AudioWorker::Lock &lock)
{
    PulseSink *server = keepOpen_ ? serverRoute() : server_;
    if (!server || !server->isReady() || (!keepOpen_ && !server->isBusy()) || shared_->wantedLevel
        || shared_->outputs > 0)
        return nullptr;
    if (std::exchange(workerKeeps_, false))
        closeKeptConnection(lock);
    return server;
}

void AlsaMixer::watch()
{
    watch_.start();
}

bool AlsaMixer::isWatching() const
{
    return watch_.isOpen();
}

void AlsaMixer::finish()
{
    AudioWorker::Lock lock = worker_.lock();
    worker_.finish(lock);
    // What went to the sound server directly is sent by the event loop.
    if (server_) {
        lock.unlock();
        server_->flush(EndWait);
    }
}
