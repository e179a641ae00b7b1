// SPDX-License-Identifier: MIT
#pragma once

#include <QtGlobal>
#include <optional>
#include <string>
#include <vector>

#include "audio/levels.h"
#include "audio/mixer.h"

// ALSA's handles, as its own headers name them: only alsacontrol.cpp needs the rest.
typedef struct _snd_ctl snd_ctl_t;
typedef struct _snd_ctl_elem_id snd_ctl_elem_id_t;
typedef struct _snd_ctl_elem_info snd_ctl_elem_info_t;

// One control element that holds playback volumes, with its range.
struct VolumeElement {
    Levels::RawRange range;
    unsigned channels;
};

// An open ALSA control device, closed when it goes out of scope. Every call
// waits for the device: through a sound server's plug-in, for as long as the
// server does not answer. It remembers whether any call on it failed: on a
// sound server that went away, every call fails until the device is opened
// again.
//
// The mixer is reached through the control interface, by the names that its
// simple elements stand for ("Master" is "Master Playback Volume" and "Master
// Playback Switch"). Loading the whole simple mixer for one value asks a
// sound server for every element: about 10 ms of wall time and 3 ms of CPU
// per operation, against about 1.5 ms and 0.8 ms here.
class AlsaControl {
public:
    // Events: its events are read from the event loop, where a read must never wait.
    enum class Use { Calls, Events };
    explicit AlsaControl(const char *device, Use use = Use::Calls);
    ~AlsaControl();
    AlsaControl(const AlsaControl &) = delete;
    AlsaControl &operator=(const AlsaControl &) = delete;

    bool isOpen() const { return handle_ != nullptr; }
    bool hasFailed() const { return failed_; }
    // Whether the device is a sound server's ALSA plug-in rather than a sound card.
    bool isSoundServer() const;

    // Subscribes to the control's events; the descriptors that tell of them,
    // none when it cannot.
    std::vector<int> watchEvents();
    // Reads the events that came, without waiting (Use::Events): whether one
    // was about the element, or the connection broke.
    enum class Events { None, ElementChanged, Lost };
    Events readEvents(const char *element);

    // A volume control whose range has room; an empty range maps nothing.
    std::optional<VolumeElement> findVolume(const char *name);
    bool hasSwitch(const char *name);
    // The values of the element last found, one per channel; empty when unreadable.
    // What this connection last read or wrote stands: the caller chose to keep it.
    std::vector<long> read();
    // Writes one value per channel (the last one repeated for any further channels).
    bool write(const std::vector<long> &values);

private:
    bool describe(const char *name, snd_ctl_elem_info_t *info);

    snd_ctl_t *handle_ = nullptr;
    snd_ctl_elem_id_t *id_ = nullptr;
    snd_ctl_elem_info_t *lastInfo_ = nullptr;
    std::string described_;
    std::vector<long> known_; // the described element's values, as last read or written here
    unsigned channels_ = 0;
    bool failed_ = false;
};

// The program's two values on a control device. The wave output is the "PCM"
// element where there is one; otherwise it is Master's playback switch (all
// on 0xFFFFFFFF, muted 0). Setting a level keeps the balance between
// channels; a read gives the loudest. A level that cannot be read or
// written says what lacks.
namespace MixerElements {

inline constexpr char MasterVolume[] = "Master Playback Volume";

std::optional<quint16> readMaster(AlsaControl &control, Mixer::Lack *lack);
bool writeMaster(AlsaControl &control, quint16 level, Mixer::Lack *lack);
std::optional<quint32> readWave(AlsaControl &control);
bool writeWave(AlsaControl &control, quint32 volume);

} // namespace MixerElements
