// SPDX-License-Identifier: MIT
#include "audio/levels.h"

#include <algorithm>
#include <cmath>

quint8 Levels::toPercent(quint16 level)
{
    return quint8(100u * level / 65535u);
}

quint16 Levels::fromPercent(quint8 percent)
{
    return quint16(65535u * qMin<quint32>(percent, 100u) / 100u);
}

long Levels::toRaw(quint16 level, RawRange range)
{
    return range.min + std::lround(double(level) * double(range.max - range.min) / 65535.0);
}

quint16 Levels::fromRaw(long raw, RawRange range)
{
    const long level = std::lround(double(raw - range.min) * 65535.0 / double(range.max - range.min));
    return quint16(qBound(0L, level, 65535L));
}

std::vector<long> Levels::keepingBalance(quint16 level, RawRange range, std::vector<long> current)
{
    const long target = toRaw(level, range);
    if (current.empty())
        return {target};
    const long loudest = *std::max_element(current.begin(), current.end());
    for (long &value : current)
        value = loudest <= range.min ? target
                                     : range.min
                + std::lround(double(value - range.min) * double(target - range.min) / double(loudest - range.min));
    return current;
}
