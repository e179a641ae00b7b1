// SPDX-License-Identifier: MIT
#pragma once

#include <QtGlobal>
#include <optional>

// The fade's levels, one a second. From Start it goes down by a whole step a
// second, the step being the start level's share of a second rounded up, so
// that it reaches 0 at the last second or a little before. An extension goes
// on from the level reached, evenly and rounded down, to 0 at the new end: a
// whole step rounded up would end the sound long before it at a low level.
class Fade {
public:
    Fade() = default;
    Fade(quint16 startLevel, quint32 seconds);

    quint32 seconds() const { return seconds_; }
    // The level set at the end of second number tick, counted from 0.
    quint16 levelAt(quint32 tick) const;
    // Minutes more, once ticksDone seconds have passed.
    void extend(int minutes, quint32 ticksDone);

private:
    struct Even {
        quint16 level; // reached when the extension came
        quint32 tick;  // the first second of the even part
    };

    quint16 start_ = 0;
    quint32 seconds_ = 1;
    quint16 step_ = 1;
    std::optional<Even> even_;
};
