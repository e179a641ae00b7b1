#include "audio/alsachime.h"

#include <alsa/asoundlib.h>
#include <algorithm>
#include <cmath>
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

} // namespace

AlsaChime::AlsaChime(QByteArray device, int seconds)
    : device_(std::move(device))
    , seconds_(seconds)
{
}

AlsaChime::~AlsaChime()
{
    stop();
}

bool AlsaChime::start()
{
    stop();
    snd_pcm_t *pcm = nullptr;
    if (snd_pcm_open(&pcm, device_.constData(), SND_PCM_STREAM_PLAYBACK, 0) < 0)
        return false;
    // A short buffer, so that a stop is heard within a tenth of a second.
    if (snd_pcm_set_params(pcm, SND_PCM_FORMAT_S16, SND_PCM_ACCESS_RW_INTERLEAVED, 1, Rate, 1, 100000) < 0) {
        snd_pcm_close(pcm);
        return false;
    }
    stopping_ = false;
    playing_ = true;
    worker_ = std::thread([this, pcm] {
        const std::vector<short> pass = chimeSamples();
        const size_t total = size_t(seconds_) * Rate;
        const size_t chunk = Rate / 20;
        for (size_t written = 0; written < total && !stopping_;) {
            const size_t at = written % pass.size();
            const size_t count = std::min({chunk, pass.size() - at, total - written});
            snd_pcm_sframes_t done = snd_pcm_writei(pcm, pass.data() + at, count);
            if (done < 0)
                done = snd_pcm_recover(pcm, int(done), 1) < 0 ? -1 : 0;
            if (done < 0)
                break; // the device went away
            written += size_t(done);
        }
        if (stopping_)
            snd_pcm_drop(pcm);
        else
            snd_pcm_drain(pcm);
        snd_pcm_close(pcm);
        playing_ = false;
    });
    return true;
}

void AlsaChime::stop()
{
    stopping_ = true;
    if (worker_.joinable())
        worker_.join();
}

bool AlsaChime::isPlaying() const
{
    return playing_;
}
