// SPDX-License-Identifier: MIT
#include "audio/alsamixer.h"
#include "audio/levels.h"

#include <alsa/asoundlib.h>
#include <QSocketNotifier>
#include <QTimer>
#include <algorithm>
#include <string>
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
        snd_ctl_elem_id_malloc(&id_);
        snd_ctl_elem_info_malloc(&lastInfo_);
    }
    ~OpenMixer()
    {
        snd_ctl_elem_info_free(lastInfo_);
        snd_ctl_elem_id_free(id_);
        if (handle_)
            snd_ctl_close(handle_);
    }
    OpenMixer(const OpenMixer &) = delete;
    OpenMixer &operator=(const OpenMixer &) = delete;

    bool isOpen() const { return handle_ != nullptr; }

    // Whether the device is a sound server's ALSA plug-in rather than a sound card.
    bool isSoundServer() const
    {
        snd_ctl_card_info_t *info;
        snd_ctl_card_info_alloca(&info);
        if (snd_ctl_type(handle_) != SND_CTL_TYPE_EXT || snd_ctl_card_info(handle_, info) < 0)
            return false;
        const QByteArray id = snd_ctl_card_info_get_id(info);
        return id == "pulse" || id == "pipewire";
    }
    snd_ctl_t *handle() const { return handle_; }
    bool hasFailed() const { return failed_; }

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
        if (snd_ctl_elem_read(handle_, value) < 0) {
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
        if (snd_ctl_elem_write(handle_, value) < 0) {
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

} // namespace

AlsaMixer::AlsaMixer(QByteArray device)
    : device_(std::move(device))
{
}

AlsaMixer::~AlsaMixer() = default;

void AlsaMixer::keepOpen(bool keep)
{
    keepOpen_ = keep;
    // The fade has control: changes are not followed meanwhile, and the
    // watch's own connection would only add wake-ups.
    if (keep) {
        closeWatch();
        if (PulseSink *server = serverRoute())
            server->connect();
    } else {
        kept_.reset();
        if (server_)
            server_->close();
        if (onChange_ && !watch_)
            openWatch();
    }
}

template <typename Operation>
auto AlsaMixer::withMixer(Operation operation)
{
    if (!keepOpen_) {
        OpenMixer mixer(device_.constData());
        const auto result = operation(mixer);
        noteRoute(mixer);
        return result;
    }
    if (!kept_) {
        kept_ = std::make_unique<OpenMixer>(device_.constData());
        noteRoute(*kept_);
    }
    const auto result = operation(*kept_);
    // Never retried within the call: the next one opens a new connection.
    if (!kept_->isOpen() || kept_->hasFailed())
        kept_.reset();
    return result;
}

std::optional<quint16> AlsaMixer::readMasterLevel()
{
    return withMixer([](OpenMixer &mixer) -> std::optional<quint16> {
        if (!mixer.isOpen())
            return std::nullopt;
        const std::optional<VolumeElement> master = mixer.findVolume(MasterVolume);
        if (!master)
            return std::nullopt;
        const std::vector<long> values = mixer.read();
        if (values.empty())
            return std::nullopt;
        return Levels::fromRaw(*std::max_element(values.begin(), values.end()), master->range);
    });
}

Mixer::Access AlsaMixer::setMasterLevel(quint16 level)
{
    if (PulseSink *server = readyServerRoute()) {
        server->setLevel(level);
        return Access::Done;
    }
    // Meanwhile the plug-in does the work.
    const Access done = withMixer([level](OpenMixer &mixer) {
        if (!mixer.isOpen())
            return Access::NoMixer;
        const std::optional<VolumeElement> master = mixer.findVolume(MasterVolume);
        if (!master)
            return mixer.hasFailed() ? Access::NoMixer : Access::NoVolumeControl;
        const std::vector<long> current = mixer.read();
        if (mixer.hasFailed())
            return Access::NoMixer;
        return mixer.write(Levels::keepingBalance(level, master->range, current)) ? Access::Done : Access::NoMixer;
    });
    if (PulseSink *server = keepOpen_ ? serverRoute() : nullptr)
        server->connect();
    return done;
}

void AlsaMixer::noteRoute(const OpenMixer &mixer)
{
    if (mixer.isOpen())
        soundServer_ = mixer.isSoundServer();
}

PulseSink *AlsaMixer::serverRoute()
{
    if (!server_ && soundServer_ && PulseSink::canRunHere())
        server_ = std::make_unique<PulseSink>();
    return soundServer_ ? server_.get() : nullptr;
}

PulseSink *AlsaMixer::readyServerRoute()
{
    // Also while a fade's connection is closing, its last requests not yet
    // answered: a change sent another way could overtake them.
    PulseSink *server = serverRoute();
    if (!server || !server->isReady())
        return nullptr;
    kept_.reset();
    return server;
}

std::optional<quint32> AlsaMixer::readWaveVolume()
{
    // A sound server's plug-in has no "PCM": the wave output is the sink's mute.
    if (PulseSink *server = readyServerRoute())
        return server->isMuted() ? 0u : 0xFFFFFFFFu;
    return withMixer([](OpenMixer &mixer) -> std::optional<quint32> {
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
    });
}

void AlsaMixer::writeWaveVolume(quint32 volume)
{
    if (PulseSink *server = readyServerRoute()) {
        server->setMuted(volume == 0);
        return;
    }
    withMixer([volume](OpenMixer &mixer) {
        if (!mixer.isOpen())
            return false;
        if (const std::optional<VolumeElement> pcm = mixer.findVolume(PcmVolume))
            return mixer.write({Levels::toRaw(quint16(volume & 0xFFFF), pcm->range),
                                Levels::toRaw(quint16(volume >> 16), pcm->range)});
        return mixer.hasSwitch(MasterSwitch) && mixer.write({volume != 0 ? 1L : 0L});
    });
}

// The watch is a connection of its own, subscribed to the control's events;
// its descriptors wake the event loop only when something changed.
void AlsaMixer::watch(std::function<void()> changed)
{
    onChange_ = std::move(changed);
    openWatch();
}

bool AlsaMixer::isWatching() const
{
    return watch_ != nullptr;
}

void AlsaMixer::openWatch()
{
    closeWatch();
    auto watch = std::make_unique<OpenMixer>(device_.constData(), SND_CTL_NONBLOCK);
    if (!watch->isOpen() || snd_ctl_subscribe_events(watch->handle(), 1) < 0) {
        watchLater();
        return;
    }
    const int count = snd_ctl_poll_descriptors_count(watch->handle());
    std::vector<pollfd> descriptors(size_t(qMax(count, 0)));
    if (count <= 0 || snd_ctl_poll_descriptors(watch->handle(), descriptors.data(), unsigned(count)) != count) {
        watchLater();
        return;
    }
    watch_ = std::move(watch);
    watchRetryMs_ = 1000;
    for (const pollfd &descriptor : descriptors) {
        auto notifier = std::make_unique<QSocketNotifier>(descriptor.fd, QSocketNotifier::Read);
        QObject::connect(notifier.get(), &QSocketNotifier::activated, notifier.get(), [this] { readEvents(); });
        notifiers_.push_back(std::move(notifier));
    }
}

void AlsaMixer::closeWatch()
{
    notifiers_.clear();
    watch_.reset();
}

void AlsaMixer::watchLater()
{
    closeWatch();
    if (!onChange_)
        return;
    // The server may come back: look again after a pause that grows up to a minute.
    QTimer::singleShot(watchRetryMs_, [this, alive = std::weak_ptr<int>(alive_)] {
        if (!alive.expired() && !watch_)
            openWatch();
    });
    watchRetryMs_ = qMin(watchRetryMs_ * 2, 60000);
}

void AlsaMixer::readEvents()
{
    snd_ctl_event_t *event;
    snd_ctl_event_alloca(&event);
    bool masterChanged = false;
    int result;
    while ((result = snd_ctl_read(watch_->handle(), event)) > 0) {
        if (snd_ctl_event_get_type(event) == SND_CTL_EVENT_ELEM
            && qstrcmp(snd_ctl_event_elem_get_name(event), MasterVolume) == 0)
            masterChanged = true;
    }
    if (result < 0 && result != -EAGAIN) {
        // The server went away: the watch is broken until it is opened again.
        watchLater();
        return;
    }
    if (masterChanged && onChange_)
        onChange_();
}
