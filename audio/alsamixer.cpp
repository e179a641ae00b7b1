// SPDX-License-Identifier: MIT
#include "audio/alsamixer.h"
#include "audio/levels.h"

#include <alsa/asoundlib.h>
#include <QSocketNotifier>
#include <QTimer>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <exception>
#include <string>
#include <utility>
#include <vector>

// The mixer is reached through ALSA's control interface, by the names that
// its simple elements stand for ("Master" is "Master Playback Volume" and
// "Master Playback Switch"). Loading the whole simple mixer for one value
// asks a sound server for every element: about 10 ms of wall time and 3 ms
// of CPU per operation, against about 1.5 ms and 0.8 ms here.

namespace {

// Failures are reported by the program itself; ALSA's own messages on stderr
// would only repeat them.
void quietAlsaErrors(const char *, int, const char *, int, const char *, ...) {}

// Answers from the devices, counted as the worker's calls return: a caller
// waits for the worker for as long as they come.
std::atomic<quint64> DeviceAnswers {0};

// One control element that holds playback volumes, with its range.
struct VolumeElement {
    Levels::RawRange range;
    unsigned channels;
};

} // namespace

// An open control device, closed when it goes out of scope. It remembers
// whether any call on it failed: on a sound server that went away, every
// call fails until the device is opened again.
class OpenMixer {
public:
    explicit OpenMixer(const char *device, int mode = 0)
    {
        static const bool quiet = [] {
            snd_lib_error_set_handler(quietAlsaErrors);
            return true;
        }();
        Q_UNUSED(quiet);
        if (snd_ctl_open(&handle_, device, mode) < 0)
            handle_ = nullptr;
        ++DeviceAnswers;
        snd_ctl_elem_id_malloc(&id_);
        snd_ctl_elem_info_malloc(&lastInfo_);
    }
    ~OpenMixer()
    {
        snd_ctl_elem_info_free(lastInfo_);
        snd_ctl_elem_id_free(id_);
        if (handle_)
            snd_ctl_close(handle_);
        ++DeviceAnswers;
    }
    OpenMixer(const OpenMixer &) = delete;
    OpenMixer &operator=(const OpenMixer &) = delete;

    bool isOpen() const { return handle_ != nullptr; }

    // Whether the device is a sound server's ALSA plug-in rather than a sound card.
    bool isSoundServer() const
    {
        snd_ctl_card_info_t *info;
        snd_ctl_card_info_alloca(&info);
        const bool described = snd_ctl_type(handle_) == SND_CTL_TYPE_EXT && snd_ctl_card_info(handle_, info) >= 0;
        ++DeviceAnswers;
        if (!described)
            return false;
        const QByteArray id = snd_ctl_card_info_get_id(info);
        return id == "pulse" || id == "pipewire";
    }
    snd_ctl_t *handle() const { return handle_; }
    bool hasFailed() const { return failed_; }

    // Subscribes to the control's events; the descriptors that tell of them,
    // none when it cannot.
    std::vector<pollfd> watchEvents()
    {
        const bool subscribed = handle_ && snd_ctl_subscribe_events(handle_, 1) >= 0;
        ++DeviceAnswers;
        if (!subscribed)
            return {};
        const int count = snd_ctl_poll_descriptors_count(handle_);
        std::vector<pollfd> descriptors(size_t(qMax(count, 0)));
        if (count <= 0 || snd_ctl_poll_descriptors(handle_, descriptors.data(), unsigned(count)) != count)
            return {};
        return descriptors;
    }

    // A volume control whose range has room; an empty range maps nothing.
    std::optional<VolumeElement> findVolume(const char *name)
    {
        snd_ctl_elem_info_t *info;
        snd_ctl_elem_info_alloca(&info);
        if (!describe(name, info) || snd_ctl_elem_info_get_type(info) != SND_CTL_ELEM_TYPE_INTEGER)
            return std::nullopt;
        VolumeElement element {{snd_ctl_elem_info_get_min(info), snd_ctl_elem_info_get_max(info)},
                               snd_ctl_elem_info_get_count(info)};
        if (element.range.max <= element.range.min || element.channels == 0)
            return std::nullopt;
        return element;
    }

    bool hasSwitch(const char *name)
    {
        snd_ctl_elem_info_t *info;
        snd_ctl_elem_info_alloca(&info);
        return describe(name, info) && snd_ctl_elem_info_get_type(info) == SND_CTL_ELEM_TYPE_BOOLEAN;
    }

    // The values of the element last found, one per channel; empty when unreadable.
    // What this connection last read or wrote stands: the caller chose to keep it.
    std::vector<long> read()
    {
        if (!known_.empty())
            return known_;
        snd_ctl_elem_value_t *value;
        snd_ctl_elem_value_alloca(&value);
        snd_ctl_elem_value_set_id(value, id_);
        const int result = snd_ctl_elem_read(handle_, value);
        ++DeviceAnswers;
        if (result < 0) {
            failed_ = true;
            return {};
        }
        std::vector<long> values(channels_);
        for (unsigned channel = 0; channel < channels_; ++channel)
            values[channel] = snd_ctl_elem_value_get_integer(value, channel);
        known_ = values;
        return values;
    }

    // Writes one value per channel (the last one repeated for any further channels).
    bool write(const std::vector<long> &values)
    {
        snd_ctl_elem_value_t *value;
        snd_ctl_elem_value_alloca(&value);
        snd_ctl_elem_value_set_id(value, id_);
        std::vector<long> written(channels_);
        for (unsigned channel = 0; channel < channels_; ++channel) {
            written[channel] = values[qMin<size_t>(channel, values.size() - 1)];
            snd_ctl_elem_value_set_integer(value, channel, written[channel]);
        }
        const int result = snd_ctl_elem_write(handle_, value);
        ++DeviceAnswers;
        if (result < 0) {
            failed_ = true;
            known_.clear();
            return false;
        }
        known_ = std::move(written);
        return true;
    }

private:
    bool describe(const char *name, snd_ctl_elem_info_t *info)
    {
        // A connection kept for a fade asks about the same element every
        // second: through a sound server every question is a round trip.
        if (described_ == name) {
            snd_ctl_elem_info_copy(info, lastInfo_);
            return true;
        }
        described_.clear();
        known_.clear();
        snd_ctl_elem_id_clear(id_);
        snd_ctl_elem_id_set_interface(id_, SND_CTL_ELEM_IFACE_MIXER);
        snd_ctl_elem_id_set_name(id_, name);
        snd_ctl_elem_info_set_id(info, id_);
        const int result = snd_ctl_elem_info(handle_, info);
        ++DeviceAnswers;
        if (result < 0) {
            // A missing element is an answer; anything else is a broken connection.
            failed_ = failed_ || result != -ENOENT;
            return false;
        }
        snd_ctl_elem_info_get_id(info, id_);
        channels_ = snd_ctl_elem_info_get_count(info);
        snd_ctl_elem_info_copy(lastInfo_, info);
        described_ = name;
        return true;
    }

    snd_ctl_t *handle_ = nullptr;
    snd_ctl_elem_id_t *id_ = nullptr;
    snd_ctl_elem_info_t *lastInfo_ = nullptr;
    std::string described_;
    std::vector<long> known_; // the described element's values, as last read or written here
    unsigned channels_ = 0;
    bool failed_ = false;
};

namespace {

const char *const MasterVolume = "Master Playback Volume";
const char *const MasterSwitch = "Master Playback Switch";
const char *const PcmVolume = "PCM Playback Volume";

// How long a call waits for the worker's device to answer at all: a server
// that answers needs a few milliseconds a call, a busy machine's now and then
// a hundred. At the mixer's end, how long it waits for the worker to close
// its connections.
constexpr std::chrono::milliseconds AnswerWait {100};

// Lets go of a lock for as long as it is in scope.
class Unlocked {
public:
    explicit Unlocked(std::unique_lock<std::mutex> &lock)
        : lock_(lock)
    {
        lock_.unlock();
    }
    ~Unlocked() { lock_.lock(); }
    Unlocked(const Unlocked &) = delete;
    Unlocked &operator=(const Unlocked &) = delete;

private:
    std::unique_lock<std::mutex> &lock_;
};

Mixer::Access writeMaster(OpenMixer &mixer, quint16 level)
{
    if (!mixer.isOpen())
        return Mixer::Access::NoMixer;
    const std::optional<VolumeElement> master = mixer.findVolume(MasterVolume);
    if (!master)
        return mixer.hasFailed() ? Mixer::Access::NoMixer : Mixer::Access::NoVolumeControl;
    const std::vector<long> current = mixer.read();
    if (mixer.hasFailed())
        return Mixer::Access::NoMixer;
    return mixer.write(Levels::keepingBalance(level, master->range, current)) ? Mixer::Access::Done
                                                                              : Mixer::Access::NoMixer;
}

std::optional<quint16> readMaster(OpenMixer &mixer)
{
    if (!mixer.isOpen())
        return std::nullopt;
    const std::optional<VolumeElement> master = mixer.findVolume(MasterVolume);
    if (!master)
        return std::nullopt;
    const std::vector<long> values = mixer.read();
    if (values.empty())
        return std::nullopt;
    return Levels::fromRaw(*std::max_element(values.begin(), values.end()), master->range);
}

Mixer::Access writeWave(OpenMixer &mixer, quint32 volume)
{
    if (!mixer.isOpen())
        return Mixer::Access::NoMixer;
    bool done;
    if (const std::optional<VolumeElement> pcm = mixer.findVolume(PcmVolume))
        done = mixer.write(
            {Levels::toRaw(quint16(volume & 0xFFFF), pcm->range), Levels::toRaw(quint16(volume >> 16), pcm->range)});
    else
        done = mixer.hasSwitch(MasterSwitch) && mixer.write({volume != 0 ? 1L : 0L});
    return done ? Mixer::Access::Done : Mixer::Access::NoMixer;
}

std::optional<quint32> readWave(OpenMixer &mixer)
{
    if (!mixer.isOpen())
        return std::nullopt;
    if (const std::optional<VolumeElement> pcm = mixer.findVolume(PcmVolume)) {
        const std::vector<long> values = mixer.read();
        if (values.empty())
            return std::nullopt;
        const quint32 left = Levels::fromRaw(values.front(), pcm->range);
        const quint32 right = Levels::fromRaw(values.back(), pcm->range);
        return left | (right << 16);
    }
    if (!mixer.hasSwitch(MasterSwitch))
        return std::nullopt;
    const std::vector<long> on = mixer.read();
    if (on.empty())
        return std::nullopt;
    return on.front() ? 0xFFFFFFFFu : 0u;
}

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

struct AlsaMixer::Worker {
    explicit Worker(QByteArray name)
        : device(std::move(name))
    {
    }

    // The worker's own.
    const QByteArray device;
    bool keep = false;
    std::unique_ptr<OpenMixer> kept;

    // The rest is shared, under the mutex.
    std::mutex mutex;
    std::condition_variable wake; // a job queued, or the end
    std::condition_variable done; // a job done, or the worker ended
    std::deque<Job> jobs;
    quint64 posted = 0, started = 0, finished = 0;
    quint64 waitedFor = 0; // the job whose caller waits for its answer
    bool heldUp = false;   // a caller stopped waiting: none waits again until all is done
    bool ending = false, ended = false;
    bool soundServer = false;
    Value<quint16> level {true};
    Value<quint32> wave {false};
    Access access = Access::Done; // of the last write
    // News for the mixer, delivered through news on its thread; null once it is gone.
    AlsaMixer *owner = nullptr;
    QObject *news = nullptr;
    bool newsPosted = false;
    bool levelChanged = false;
    quint64 watchTry = 0; // the watch opened for that try, or none when it failed
    std::shared_ptr<OpenMixer> watch;
    std::vector<pollfd> watchDescriptors;

    void run();
    void perform(Lock &lock);
    void postNews();
    template <typename T>
    void settle(Value<T> Worker::*slot, std::optional<T> now);
    // Runs one operation on the kept connection or on one of its own; a
    // kept connection on which it fails is dropped. Called unlocked.
    template <typename Operation>
    auto withMixer(Operation operation);
    void noteRoute(const OpenMixer &mixer);
};

void AlsaMixer::Worker::run()
{
    Lock lock(mutex);
    while (!ending || !jobs.empty()) {
        if (jobs.empty())
            wake.wait(lock);
        else
            perform(lock);
    }
    std::shared_ptr<OpenMixer> unwanted = std::move(watch);
    {
        Unlocked unlocked(lock);
        kept.reset();
        unwanted.reset();
    }
    ended = true;
    done.notify_all();
}

void AlsaMixer::Worker::perform(Lock &lock)
{
    Job job = std::move(jobs.front());
    jobs.pop_front();
    started = finished + 1;
    try {
        job(*this, lock);
    } catch (const std::exception &) {
        // No memory: the job is left undone, as at a failed call.
    }
    ++finished;
    if (jobs.empty())
        heldUp = false;
    done.notify_all();
}

void AlsaMixer::Worker::postNews()
{
    if (!news || newsPosted)
        return;
    newsPosted = true;
    QMetaObject::invokeMethod(
        news, [to = owner] { to->takeNews(true); }, Qt::QueuedConnection);
}

template <typename T>
void AlsaMixer::Worker::settle(Value<T> Worker::*slot, std::optional<T> now)
{
    Value<T> &value = this->*slot;
    if (value.known == now)
        return;
    value.known = now;
    // Nobody waits for this answer: the program reads the level again.
    if (value.announce && waitedFor != started) {
        levelChanged = true;
        postNews();
    }
}

template <typename Operation>
auto AlsaMixer::Worker::withMixer(Operation operation)
{
    if (!keep) {
        OpenMixer mixer(device.constData());
        noteRoute(mixer);
        return operation(mixer);
    }
    if (!kept) {
        kept = std::make_unique<OpenMixer>(device.constData());
        noteRoute(*kept);
    }
    const auto result = operation(*kept);
    // Never retried within the call: the next one opens a new connection.
    if (!kept->isOpen() || kept->hasFailed())
        kept.reset();
    return result;
}

void AlsaMixer::Worker::noteRoute(const OpenMixer &mixer)
{
    if (!mixer.isOpen())
        return;
    const bool isServer = mixer.isSoundServer();
    const std::lock_guard<std::mutex> lock(mutex);
    soundServer = isServer;
}

AlsaMixer::AlsaMixer(QByteArray device, PulseSink *server)
    : worker_(std::make_shared<Worker>(std::move(device)))
    , server_(server)
{
    worker_->owner = this;
    worker_->news = &news_;
    try {
        thread_ = std::thread(&Worker::run, worker_);
    } catch (const std::exception &) {
        // No thread: the calls are made here, as they wait for the server.
    }
}

AlsaMixer::~AlsaMixer()
{
    closeWatch();
    Lock lock(worker_->mutex);
    worker_->owner = nullptr;
    worker_->news = nullptr;
    if (!thread_.joinable())
        return;
    worker_->ending = true;
    worker_->wake.notify_one();
    // The worker closes the connections; one held up by the server is let
    // go, and ends by itself once the server answers.
    const bool ended = worker_->done.wait_for(lock, AnswerWait, [this] { return worker_->ended; });
    lock.unlock();
    if (ended)
        thread_.join();
    else
        thread_.detach();
}

quint64 AlsaMixer::post(Job job)
{
    Lock lock(worker_->mutex);
    return post(lock, std::move(job));
}

quint64 AlsaMixer::post(Lock &lock, Job job)
{
    worker_->jobs.push_back(std::move(job));
    const quint64 number = ++worker_->posted;
    if (thread_.joinable())
        worker_->wake.notify_one();
    else
        worker_->perform(lock);
    return number;
}

bool AlsaMixer::waitFor(Lock &lock, quint64 job)
{
    Worker &worker = *worker_;
    worker.waitedFor = job;
    // As long as the devices answer, whatever was queued before, up to a
    // limit; a worker whose device answers nothing for the bound is held up.
    const auto limit = std::chrono::steady_clock::now() + 10 * AnswerWait;
    while (worker.finished < job && !worker.heldUp) {
        const quint64 before = worker.finished;
        const quint64 heard = DeviceAnswers;
        if (!worker.done.wait_for(lock, AnswerWait, [&] { return worker.finished > before; }))
            worker.heldUp = DeviceAnswers == heard || std::chrono::steady_clock::now() > limit;
    }
    worker.waitedFor = 0;
    return worker.finished >= job;
}

template <typename T, typename Read>
std::optional<T> AlsaMixer::read(Value<T> Worker::*slot, Read operation)
{
    if (keepOpen_)
        workerKeeps_ = true;
    Lock lock(worker_->mutex);
    Value<T> &value = (*worker_).*slot;
    // A read not started yet answers this call too.
    if (value.reading <= worker_->started)
        value.reading = post(lock, [slot, operation](Worker &worker, Lock &held) {
            std::optional<T> now;
            {
                Unlocked unlocked(held);
                now = worker.withMixer(operation);
            }
            // A write still to be made stands over what was read.
            if (!(worker.*slot).wanted)
                worker.settle(slot, now);
        });
    waitFor(lock, value.reading);
    return value.known;
}

template <typename T, typename Write>
Mixer::Access AlsaMixer::write(Value<T> Worker::*slot, T wanted, Write operation)
{
    if (keepOpen_)
        workerKeeps_ = true;
    Lock lock(worker_->mutex);
    Value<T> &value = (*worker_).*slot;
    value.wanted = wanted;
    value.known = wanted;
    // A write not started yet makes the latest value.
    if (value.writing <= worker_->started)
        value.writing = post(lock, [slot, operation](Worker &worker, Lock &held) {
            Value<T> &target = worker.*slot;
            if (!target.wanted)
                return;
            const T making = *target.wanted;
            Access done = Access::NoMixer;
            {
                Unlocked unlocked(held);
                done = worker.withMixer([&](OpenMixer &mixer) { return operation(mixer, making); });
            }
            worker.access = done;
            if (target.wanted != making)
                return; // a later one follows
            target.wanted.reset();
            worker.settle(slot, done == Access::Done ? std::optional<T>(making) : std::nullopt);
        });
    return waitFor(lock, value.writing) ? worker_->access : Access::Done;
}

void AlsaMixer::keepOpen(bool keep)
{
    keepOpen_ = keep;
    // The fade has control: changes are not followed meanwhile, and the
    // watch's own connection would only add wake-ups.
    if (keep) {
        closeWatch();
        post([](Worker &worker, Lock &) { worker.keep = true; });
        if (PulseSink *server = serverRoute())
            server->connect();
    } else {
        workerKeeps_ = false;
        post([](Worker &worker, Lock &held) {
            worker.keep = false;
            Unlocked unlocked(held);
            worker.kept.reset();
        });
        if (server_)
            server_->close();
        if (watching_ && !watch_ && !watchOpening_)
            openWatch();
    }
}

std::optional<quint16> AlsaMixer::readMasterLevel()
{
    return read(&Worker::level, readMaster);
}

Mixer::Access AlsaMixer::setMasterLevel(quint16 level)
{
    if (PulseSink *server = readyServerRoute(true)) {
        server->setLevel(level);
        const Lock lock(worker_->mutex);
        worker_->level.known = level;
        return Access::Done;
    }
    // Meanwhile the plug-in does the work.
    const Access done = write(&Worker::level, level, writeMaster);
    if (PulseSink *server = keepOpen_ ? serverRoute() : nullptr)
        server->connect();
    return done;
}

bool AlsaMixer::isSoundServer() const
{
    const Lock lock(worker_->mutex);
    return worker_->soundServer;
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
        const Lock lock(worker_->mutex);
        if (worker_->level.wanted || worker_->wave.wanted)
            return nullptr;
    }
    if (std::exchange(workerKeeps_, false))
        post([](Worker &worker, Lock &held) {
            Unlocked unlocked(held);
            worker.kept.reset();
        });
    return server;
}

std::optional<quint32> AlsaMixer::readWaveVolume()
{
    // A sound server's plug-in has no "PCM": the wave output is the sink's mute.
    if (PulseSink *server = readyServerRoute(false))
        return server->isMuted() ? 0u : 0xFFFFFFFFu;
    return read(&Worker::wave, readWave);
}

void AlsaMixer::writeWaveVolume(quint32 volume)
{
    if (PulseSink *server = readyServerRoute(true)) {
        server->setMuted(volume == 0);
        const Lock lock(worker_->mutex);
        worker_->wave.known = volume;
        return;
    }
    write(&Worker::wave, volume, writeWave);
}

// The watch is a connection of its own, subscribed to the control's events;
// its descriptors wake the event loop only when something changed. The
// worker opens and closes it; the events are read here, which never waits.
void AlsaMixer::watch()
{
    watching_ = true;
    const quint64 job = openWatch();
    Lock lock(worker_->mutex);
    const bool opened = waitFor(lock, job);
    lock.unlock();
    // On a server that answers, the window is watching on return, as before.
    if (opened)
        takeNews(false);
}

bool AlsaMixer::isWatching() const
{
    return watch_ != nullptr;
}

quint64 AlsaMixer::openWatch()
{
    closeWatch();
    watchOpening_ = true;
    return post([attempt = watchTry_](Worker &worker, Lock &held) {
        std::shared_ptr<OpenMixer> opened;
        std::vector<pollfd> descriptors;
        {
            Unlocked unlocked(held);
            auto mixer = std::make_shared<OpenMixer>(worker.device.constData(), SND_CTL_NONBLOCK);
            descriptors = mixer->watchEvents();
            if (!descriptors.empty())
                opened = std::move(mixer);
        }
        // One the mixer has not taken yet is not wanted any more.
        std::swap(worker.watch, opened);
        worker.watchTry = attempt;
        worker.watchDescriptors = std::move(descriptors);
        worker.postNews();
        Unlocked unlocked(held);
        opened.reset();
    });
}

void AlsaMixer::closeWatch()
{
    notifiers_.clear();
    ++watchTry_; // an open on the way is not wanted any more
    watchOpening_ = false;
    if (watch_)
        post([watch = std::move(watch_)](Worker &, Lock &held) mutable {
            Unlocked unlocked(held);
            watch.reset();
        });
}

void AlsaMixer::takeNews(bool late)
{
    Lock lock(worker_->mutex);
    worker_->newsPosted = false;
    bool changed = std::exchange(worker_->levelChanged, false);
    std::shared_ptr<OpenMixer> opened = std::move(worker_->watch);
    const std::vector<pollfd> descriptors = std::move(worker_->watchDescriptors);
    const bool wanted = watchOpening_ && worker_->watchTry == watchTry_;
    lock.unlock();

    if (wanted && !opened) {
        watchLater();
    } else if (wanted) {
        watchOpening_ = false;
        watch_ = std::move(opened);
        watchRetryMs_ = 1000;
        for (const pollfd &descriptor : descriptors) {
            auto notifier = std::make_unique<QSocketNotifier>(descriptor.fd, QSocketNotifier::Read);
            QObject::connect(notifier.get(), &QSocketNotifier::activated, notifier.get(), [this] { readEvents(); });
            notifiers_.push_back(std::move(notifier));
        }
        // What changed while it was being opened is not announced.
        changed = changed || late;
    } else if (opened) {
        post([unwanted = std::move(opened)](Worker &, Lock &held) mutable {
            Unlocked unlocked(held);
            unwanted.reset();
        });
    }
    if (changed && watching_)
        Q_EMIT masterChanged();
}

void AlsaMixer::watchLater()
{
    closeWatch();
    if (!watching_)
        return;
    // The server may come back: look again after a pause that grows up to a minute.
    QTimer::singleShot(watchRetryMs_, [this, alive = std::weak_ptr<int>(alive_)] {
        if (!alive.expired() && !watch_ && !watchOpening_)
            openWatch();
    });
    watchRetryMs_ = qMin(watchRetryMs_ * 2, 60000);
}

void AlsaMixer::readEvents()
{
    snd_ctl_event_t *event;
    snd_ctl_event_alloca(&event);
    bool master = false;
    int result;
    while ((result = snd_ctl_read(watch_->handle(), event)) > 0) {
        if (snd_ctl_event_get_type(event) == SND_CTL_EVENT_ELEM
            && qstrcmp(snd_ctl_event_elem_get_name(event), MasterVolume) == 0)
            master = true;
    }
    if (result < 0 && result != -EAGAIN) {
        // The server went away: the watch is broken until it is opened again.
        watchLater();
        return;
    }
    if (master && watching_)
        Q_EMIT masterChanged();
}
