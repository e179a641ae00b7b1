// SPDX-License-Identifier: MIT
// Writes Somnelle's default wake-up tune, an original melody of ours in
// F major and 3/4 time, as a Standard MIDI File (format 0) at the path given
// as the only argument. It starts softly and grows, for waking gently.
//   cmake -DSOMNELLE_TOOLS=ON ... && build/maketune data/europe.mid

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <vector>

namespace {

constexpr int TicksPerBeat = 480;
constexpr int MicrosecondsPerBeat = 833333; // 72 beats a minute

// MIDI note numbers.
enum Note : std::uint8_t {
    F2 = 41,
    Bb2 = 46,
    C3 = 48,
    F3 = 53,
    G3 = 55,
    A3 = 57,
    Bb3 = 58,
    C4 = 60,
    D4 = 62,
    E4 = 64,
    F4 = 65,
    G4 = 67,
    A4 = 69,
    Bb4 = 70,
    C5 = 72,
    D5 = 74,
    E5 = 76,
    F5 = 77
};

struct Step {
    Note note;
    int beats;
};

// One bar of three beats: the melody's steps and the chord under them (bass first).
struct Bar {
    std::vector<Step> melody;
    std::vector<Note> chord;
};

const std::vector<Bar> Tune = {
    {{{A4, 2}, {C5, 1}}, {F2, A3, C4}},
    {{{Bb4, 1}, {A4, 1}, {G4, 1}}, {C3, G3, Bb3}},
    {{{F4, 2}, {A4, 1}}, {F2, A3, C4}},
    {{{C5, 3}}, {F2, A3, C4}},
    {{{D5, 2}, {C5, 1}}, {Bb2, F3, D4}},
    {{{Bb4, 1}, {D5, 1}, {C5, 1}}, {Bb2, G3, D4}},
    {{{A4, 2}, {G4, 1}}, {F2, A3, C4}},
    {{{A4, 3}}, {F2, A3, C4}},
    {{{C5, 2}, {F5, 1}}, {F2, A3, C4}},
    {{{E5, 1}, {D5, 1}, {C5, 1}}, {C3, G3, Bb3}},
    {{{D5, 2}, {Bb4, 1}}, {Bb2, F3, D4}},
    {{{A4, 3}}, {F2, A3, C4}},
    {{{G4, 1}, {A4, 1}, {Bb4, 1}}, {C3, G3, Bb3}},
    {{{C5, 2}, {A4, 1}}, {F2, A3, C4}},
    {{{G4, 2}, {E4, 1}}, {C3, G3, Bb3}},
    {{{F4, 3}}, {F2, A3, C4}},
    {{{F4, 3}}, {F2, C4, A4}},
};

class Track {
public:
    void meta(std::uint8_t type, const std::vector<std::uint8_t> &data)
    {
        delta(0);
        bytes_.insert(bytes_.end(), {0xFF, type, std::uint8_t(data.size())});
        bytes_.insert(bytes_.end(), data.begin(), data.end());
    }
    void event(int deltaTicks, std::vector<std::uint8_t> message)
    {
        delta(deltaTicks);
        bytes_.insert(bytes_.end(), message.begin(), message.end());
    }
    const std::vector<std::uint8_t> &bytes() const { return bytes_; }

private:
    // A variable-length quantity, seven bits a byte, most significant first.
    void delta(int ticks)
    {
        std::vector<std::uint8_t> groups {std::uint8_t(ticks & 0x7F)};
        for (ticks >>= 7; ticks > 0; ticks >>= 7)
            groups.insert(groups.begin(), std::uint8_t(0x80 | (ticks & 0x7F)));
        bytes_.insert(bytes_.end(), groups.begin(), groups.end());
    }
    std::vector<std::uint8_t> bytes_;
};

// A timed note on or off, to be sorted into one track.
struct Event {
    int tick;
    bool on;
    std::uint8_t channel;
    Note note;
    std::uint8_t velocity;
};

void put32(std::vector<std::uint8_t> &out, std::uint32_t value)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(std::uint8_t(value >> shift));
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: maketune FILE.mid\n");
        return 2;
    }

    std::vector<Event> events;
    int barStart = 0;
    for (std::size_t bar = 0; bar < Tune.size(); ++bar) {
        // Soft at first, fuller from the fifth bar on.
        const auto melodyVelocity = std::uint8_t(bar < 4 ? 40 + 10 * bar : 85);
        const auto chordVelocity = std::uint8_t(melodyVelocity * 2 / 3);
        int tick = barStart;
        for (const Step &step : Tune[bar].melody) {
            const int length = step.beats * TicksPerBeat;
            events.push_back({tick, true, 0, step.note, melodyVelocity});
            events.push_back({tick + length - 20, false, 0, step.note, 0});
            tick += length;
        }
        // The bass holds the bar; the other chord notes come on beats two and three.
        const std::vector<Note> &chord = Tune[bar].chord;
        events.push_back({barStart, true, 1, chord[0], chordVelocity});
        events.push_back({barStart + 3 * TicksPerBeat - 20, false, 1, chord[0], 0});
        for (int beat = 1; beat < 3; ++beat) {
            for (std::size_t i = 1; i < chord.size(); ++i) {
                events.push_back({barStart + beat * TicksPerBeat, true, 1, chord[i], chordVelocity});
                events.push_back({barStart + (beat + 1) * TicksPerBeat - 20, false, 1, chord[i], 0});
            }
        }
        barStart += 3 * TicksPerBeat;
    }
    // Offs before ons at the same tick, so a repeated note sounds again.
    std::stable_sort(events.begin(), events.end(), [](const Event &a, const Event &b) {
        return a.tick != b.tick ? a.tick < b.tick : (!a.on && b.on);
    });

    Track track;
    track.meta(0x03, {'S', 'o', 'm', 'n', 'e', 'l', 'l', 'e'});
    track.meta(0x51,
               {std::uint8_t(MicrosecondsPerBeat >> 16), std::uint8_t(MicrosecondsPerBeat >> 8),
                std::uint8_t(MicrosecondsPerBeat)});
    track.meta(0x58, {3, 2, 24, 8}); // 3/4
    track.event(0, {0xC0, 9});       // melody: music box
    track.event(0, {0xC1, 46});      // chords: harp
    int last = 0;
    for (const Event &e : events) {
        track.event(e.tick - last, {std::uint8_t((e.on ? 0x90 : 0x80) | e.channel), e.note, e.velocity});
        last = e.tick;
    }
    track.event(TicksPerBeat, {0xFF, 0x2F, 0x00}); // end of track, after a beat's rest

    std::vector<std::uint8_t> file {'M', 'T', 'h', 'd'};
    put32(file, 6);
    file.insert(file.end(), {0, 0, 0, 1, std::uint8_t(TicksPerBeat >> 8), std::uint8_t(TicksPerBeat & 0xFF)});
    file.insert(file.end(), {'M', 'T', 'r', 'k'});
    put32(file, std::uint32_t(track.bytes().size()));
    file.insert(file.end(), track.bytes().begin(), track.bytes().end());

    std::FILE *out = std::fopen(argv[1], "wb");
    if (!out || std::fwrite(file.data(), 1, file.size(), out) != file.size() || std::fclose(out) != 0) {
        std::perror(argv[1]);
        return 1;
    }
    return 0;
}
