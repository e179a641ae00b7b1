// SPDX-License-Identifier: MIT
#include "audio/alsacontrol.h"

#include <alsa/asoundlib.h>
#include <algorithm>
#include <utility>

namespace {

// Failures are reported by the program itself; ALSA's own messages on stderr
// would only repeat them.
void quietAlsaErrors(const char *, int, const char *, int, const char *, ...) {}

const char *const MasterSwitch = "Master Playback Switch";
const char *const PcmVolume = "PCM Playback Volume";

// The master volume element, or what lacks for it.
std::optional<VolumeElement> findMaster(AlsaControl &control, Mixer::Lack *lack)
{
    std::optional<VolumeElement> master;
    if (control.isOpen())
        master = control.findVolume(MixerElements::MasterVolume);
    if (!master)
        *lack = control.isOpen() && !control.hasFailed() ? Mixer::Lack::NoVolumeControl : Mixer::Lack::NoMixer;
    return master;
}

} // namespace

AlsaControl::AlsaControl(const char *device, Use use)
{
    static const bool quiet = [] {
        snd_lib_error_set_handler(quietAlsaErrors);
        return true;
    }();
    Q_UNUSED(quiet);
    if (snd_ctl_open(&handle_, device, use == Use::Events ? SND_CTL_NONBLOCK : 0) < 0)
        handle_ = nullptr;
    snd_ctl_elem_id_malloc(&id_);
    snd_ctl_elem_info_malloc(&lastInfo_);
}

AlsaControl::~AlsaControl()
{
    snd_ctl_elem_info_free(lastInfo_);
    snd_ctl_elem_id_free(id_);
    if (handle_)
        snd_ctl_close(handle_);
}

bool AlsaControl::isSoundServer() const
{
    snd_ctl_card_info_t *info;
    snd_ctl_card_info_alloca(&info);
    if (snd_ctl_type(handle_) != SND_CTL_TYPE_EXT || snd_ctl_card_info(handle_, info) < 0)
        return false;
    const QByteArray id = snd_ctl_card_info_get_id(info);
    return id == "pulse" || id == "pipewire";
}

std::vector<int> AlsaControl::watchEvents()
{
    if (!handle_ || snd_ctl_subscribe_events(handle_, 1) < 0)
        return {};
    const int count = snd_ctl_poll_descriptors_count(handle_);
    std::vector<pollfd> descriptors(size_t(qMax(count, 0)));
    if (count <= 0 || snd_ctl_poll_descriptors(handle_, descriptors.data(), unsigned(count)) != count)
        return {};
    std::vector<int> files;
    for (const pollfd &descriptor : descriptors)
        files.push_back(descriptor.fd);
    return files;
}

AlsaControl::Events AlsaControl::readEvents(const char *element)
{
    snd_ctl_event_t *event;
    snd_ctl_event_alloca(&event);
    bool changed = false;
    int result;
    while ((result = snd_ctl_read(handle_, event)) > 0) {
        if (snd_ctl_event_get_type(event) == SND_CTL_EVENT_ELEM
            && qstrcmp(snd_ctl_event_elem_get_name(event), element) == 0)
            changed = true;
    }
    // Anything but "no more for now" is a server that went away.
    if (result < 0 && result != -EAGAIN)
        return Events::Lost;
    return changed ? Events::ElementChanged : Events::None;
}

std::optional<VolumeElement> AlsaControl::findVolume(const char *name)
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

bool AlsaControl::hasSwitch(const char *name)
{
    snd_ctl_elem_info_t *info;
    snd_ctl_elem_info_alloca(&info);
    return describe(name, info) && snd_ctl_elem_info_get_type(info) == SND_CTL_ELEM_TYPE_BOOLEAN;
}

std::vector<long> AlsaControl::read()
{
    if (!known_.empty())
        return known_;
    snd_ctl_elem_value_t *value;
    snd_ctl_elem_value_alloca(&value);
    snd_ctl_elem_value_set_id(value, id_);
    const int result = snd_ctl_elem_read(handle_, value);
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

bool AlsaControl::write(const std::vector<long> &values)
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
    if (result < 0) {
        failed_ = true;
        known_.clear();
        return false;
    }
    known_ = std::move(written);
    return true;
}

bool AlsaControl::describe(const char *name, snd_ctl_elem_info_t *info)
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

namespace MixerElements {

bool writeMaster(AlsaControl &control, quint16 level, Mixer::Lack *lack)
{
    const std::optional<VolumeElement> master = findMaster(control, lack);
    if (!master)
        return false;
    const std::vector<long> current = control.read();
    *lack = Mixer::Lack::NoMixer;
    return !control.hasFailed() && control.write(Levels::keepingBalance(level, master->range, current));
}

std::optional<quint16> readMaster(AlsaControl &control, Mixer::Lack *lack)
{
    const std::optional<VolumeElement> master = findMaster(control, lack);
    if (!master)
        return std::nullopt;
    const std::vector<long> values = control.read();
    *lack = Mixer::Lack::NoMixer;
    if (values.empty())
        return std::nullopt;
    return Levels::fromRaw(*std::max_element(values.begin(), values.end()), master->range);
}

bool writeWave(AlsaControl &control, quint32 volume)
{
    if (!control.isOpen())
        return false;
    if (const std::optional<VolumeElement> pcm = control.findVolume(PcmVolume))
        return control.write(
            {Levels::toRaw(quint16(volume & 0xFFFF), pcm->range), Levels::toRaw(quint16(volume >> 16), pcm->range)});
    return control.hasSwitch(MasterSwitch) && control.write({volume != 0 ? 1L : 0L});
}

std::optional<quint32> readWave(AlsaControl &control)
{
    if (!control.isOpen())
        return std::nullopt;
    if (const std::optional<VolumeElement> pcm = control.findVolume(PcmVolume)) {
        const std::vector<long> values = control.read();
        if (values.empty())
            return std::nullopt;
        const quint32 left = Levels::fromRaw(values.front(), pcm->range);
        const quint32 right = Levels::fromRaw(values.back(), pcm->range);
        return left | (right << 16);
    }
    if (!control.hasSwitch(MasterSwitch))
        return std::nullopt;
    const std::vector<long> on = control.read();
    if (on.empty())
        return std::nullopt;
    return on.front() ? Mixer::OutputOn : 0u;
}

} // namespace MixerElements
