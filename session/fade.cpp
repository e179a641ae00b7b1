// SPDX-License-Identifier: MIT
#include "session/fade.h"

#include <cmath>

namespace {

// -60 dB on a cubic volume scale: a tenth of the full level.
constexpr double QuietLevel = 65535 / 10.0;

} // namespace

Fade::Fade(quint16 startLevel, quint32 seconds, Curve curve)
    : start_(startLevel)
    , seconds_(seconds)
    , step_(quint16(startLevel / seconds + 1))
    , curve_(curve)
{
}

quint16 Fade::levelAt(quint32 tick) const
{
    if (even_ && tick >= even_->tick)
        return evenFrom(even_->level, even_->tick, tick);
    if (curve_ == Curve::EvenDecibels)
        return evenFrom(start_, 0, tick);
    const quint64 down = quint64(step_) * (tick + 1);
    return down >= start_ ? 0 : quint16(start_ - down);
}

quint16 Fade::evenFrom(quint16 level, quint32 from, quint32 tick) const
{
    // The share of the even part still ahead, rounded down.
    const quint64 total = seconds_ - from;
    const quint64 ahead = seconds_ - (tick + 1);
    if (curve_ == Curve::EvenSteps || level <= QuietLevel || ahead == 0)
        return quint16(level * ahead / total);
    const double gone = double(total - ahead) / double(total);
    return quint16(level * std::pow(QuietLevel / level, gone));
}

void Fade::extend(int minutes, quint32 ticksDone)
{
    moveEnd(seconds_ + quint32(minutes) * 60, ticksDone);
}

void Fade::moveEnd(quint32 seconds, quint32 ticksDone)
{
    if (seconds == seconds_)
        return;
    even_ = Even {ticksDone == 0 ? start_ : levelAt(ticksDone - 1), ticksDone};
    seconds_ = qMax(seconds, ticksDone + 1);
}
