// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QtGlobal>
#include <vector>

// Conversions between master levels (0..65535) and whole percentages, both truncating.
quint8 LevelToPercent(quint16 level);
// Percentages above 100 are taken as 100, so the level never leaves its range.
quint16 PercentToLevel(quint8 percent);

// "Volume: 37 %"
QString VolumeReadoutText(quint8 percent);

// A volume control's own range; a level maps linearly onto it, rounded, and back.
struct RawRange {
    long min;
    long max;
};
long LevelToRaw(quint16 level, RawRange range);
quint16 RawToLevel(long raw, RawRange range);

// The channel values that give the loudest channel the level and keep the
// others in proportion to it, as desktop volume controls do; balanced
// channels stay balanced. With no channels known, one value: the level's.
std::vector<long> KeepingBalance(quint16 level, RawRange range, std::vector<long> current);
