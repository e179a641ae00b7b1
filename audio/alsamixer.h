// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <memory>
#include <vector>

class QSocketNotifier;

#include "audio/mixer.h"
#include "audio/pulsesink.h"

// The ALSA mixer: the "Master" playback volume on a control
// device, "default" unless told otherwise. On a sound server "Master" is its
// default sink. The wave output is the "PCM" element where there is one;
// otherwise it is Master's playback switch (all on 0xFFFFFFFF, muted 0).
// Setting a level keeps the balance between channels; a read gives the
// loudest. Changes made elsewhere are announced from the event loop.
class OpenMixer;

class AlsaMixer : public Mixer {
public:
    explicit AlsaMixer(QByteArray device = "default");
    ~AlsaMixer() override;

    std::optional<quint16> readMasterLevel() override;
    Access setMasterLevel(quint16 level) override;
    std::optional<quint32> readWaveVolume() override;
    void writeWaveVolume(quint32 volume) override;
    void keepOpen(bool keep) override;
    void watch(std::function<void()> changed) override;
    bool isWatching() const override;

private:
    void openWatch();
    void closeWatch();
    void watchLater();
    void readEvents();

    // Runs one operation on the kept connection or on one of its own; a
    // kept connection on which it fails is dropped.
    template <typename Operation>
    auto withMixer(Operation operation);
    // Whether "default" is a sound server's plug-in, as last seen on opening it.
    void noteRoute(const OpenMixer &mixer);
    // The direct way to the sound server for a fade; none on a sound card.
    PulseSink *serverRoute();
    // That way while it is connected (a fade keeps the mixer open, or has
    // just let go and its last requests are on their way): then the
    // plug-in's connection, which would only add wake-ups, is let go.
    PulseSink *readyServerRoute();

    QByteArray device_;
    bool keepOpen_ = false;
    std::unique_ptr<OpenMixer> kept_;
    // When the device is a sound server's plug-in, a fade's levels go to the
    // server directly once connected: through the plug-in each write costs
    // five round trips and a dozen thread wake-ups.
    std::unique_ptr<PulseSink> server_;
    bool soundServer_ = false;

    std::function<void()> onChange_;
    std::unique_ptr<OpenMixer> watch_;
    std::vector<std::unique_ptr<QSocketNotifier>> notifiers_;
    int watchRetryMs_ = 1000;
    std::shared_ptr<int> alive_ = std::make_shared<int>(); // a retry after the mixer is gone does nothing
};
