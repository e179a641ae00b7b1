#pragma once

#include <QString>
#include <QtGlobal>

// Conversions between master levels (0..65535) and whole percentages, both truncating.
quint8 LevelToPercent(quint16 level);
// Percentages above 100 are taken as 100, so the level never leaves its range.
quint16 PercentToLevel(quint8 percent);

// "Volume: 37 %"
QString VolumeReadoutText(quint8 percent);
