// SPDX-License-Identifier: MIT
#pragma once

#include <QtGlobal>
#include <optional>

// The fade's levels, one a second. From Start it goes down by a whole step a
// second, the step being the start level's share of a second rounded up, so
// that it reaches 0 at the last second or a little before. An extension goes
// on from the level reached, evenly and rounded down, to 0 at the new end: a
// whole step rounded up would end the sound long before it at a low level.
//
// Those even steps of the level fall slowly to the ear at first and race at
// the end: sound servers' volumes are cubic, so half the level is -18 dB and
// a tenth of it -60 dB, near silence. A fade even in decibels, the other
// curve, goes from the start level to -60 dB over the whole fade, evenly in
// decibels (an extension from the level reached to -60 dB at the new end),
// and to 0 at its last second; from a start already below -60 dB it goes
// down evenly.
class Fade {
public:
    enum class Curve { EvenSteps, EvenDecibels };

    Fade() = default;
    Fade(quint16 startLevel, quint32 seconds, Curve curve = Curve::EvenSteps);

    quint32 seconds() const { return seconds_; }
    // The level set at the end of second number tick, counted from 0.
    quint16 levelAt(quint32 tick) const;
    // Minutes more, once ticksDone seconds have passed.
    void extend(int minutes, quint32 ticksDone);
    // Another end, after seconds in all (a track's end moved), once ticksDone seconds have passed.
    void moveEnd(quint32 seconds, quint32 ticksDone);

private:
    struct Even {
        quint16 level; // reached when the extension came
        quint32 tick;  // the first second of the even part
    };

    // From level at the first second from, down to 0 at the end, as the curve goes.
    quint16 evenFrom(quint16 level, quint32 from, quint32 tick) const;

    quint16 start_ = 0;
    quint32 seconds_ = 1;
    quint16 step_ = 1;
    Curve curve_ = Curve::EvenSteps;
    std::optional<Even> even_;
};
