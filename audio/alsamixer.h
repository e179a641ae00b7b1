#pragma once

#include <QByteArray>

#include "audio/mixer.h"

// The ALSA mixer: the "Master" playback volume on a control
// device, "default" unless told otherwise. On a sound server "Master" is its
// default sink. The wave output is the "PCM" element where there is one;
// otherwise it is Master's playback switch (all on 0xFFFFFFFF, muted 0).
class AlsaMixer : public Mixer {
public:
    explicit AlsaMixer(QByteArray device = "default");

    std::optional<quint16> readMasterLevel() override;
    Access setMasterLevel(quint16 level) override;
    std::optional<quint32> readWaveVolume() override;
    void writeWaveVolume(quint32 volume) override;

private:
    QByteArray device_;
};
