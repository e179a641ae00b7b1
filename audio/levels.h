// SPDX-License-Identifier: MIT
#pragma once

#include <QtGlobal>
#include <vector>

// Master levels (0..65535), whole percentages and a volume control's own range.
namespace Levels {

// Both truncate.
quint8 toPercent(quint16 level);
// Percentages above 100 are taken as 100, so the level never leaves its range.
quint16 fromPercent(quint8 percent);

// A volume control's own range; a level maps linearly onto it, rounded, and back.
struct RawRange {
    long min;
    long max;
};
long toRaw(quint16 level, RawRange range);
quint16 fromRaw(long raw, RawRange range);

// The channel values that give the loudest channel the level and keep the
// others in proportion to it, as desktop volume controls do; balanced
// channels stay balanced. With no channels known, one value: the level's.
std::vector<long> keepingBalance(quint16 level, RawRange range, std::vector<long> current);

} // namespace Levels
