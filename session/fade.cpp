// SPDX-License-Identifier: MIT
#include "session/fade.h"

Fade::Fade(quint16 startLevel, quint32 seconds)
    : start_(startLevel)
    , seconds_(seconds)
    , step_(quint16(startLevel / seconds + 1))
{
}

quint16 Fade::levelAt(quint32 tick) const
{
    if (even_ && tick >= even_->tick) {
        // The share of the extended fade still ahead, of the level it started from, rounded down.
        const quint64 total = seconds_ - even_->tick;
        const quint64 ahead = seconds_ - (tick + 1);
        return quint16(even_->level * ahead / total);
    }
    const quint64 down = quint64(step_) * (tick + 1);
    return down >= start_ ? 0 : quint16(start_ - down);
}

void Fade::extend(int minutes, quint32 ticksDone)
{
    even_ = Even {ticksDone == 0 ? start_ : levelAt(ticksDone - 1), ticksDone};
    seconds_ += quint32(minutes) * 60;
}
