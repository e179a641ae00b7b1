#include "audio/levels.h"

quint8 LevelToPercent(quint16 level)
{
    return quint8(100u * level / 65535u);
}

quint16 PercentToLevel(quint8 percent)
{
    return quint16(65535u * qMin<quint32>(percent, 100u) / 100u);
}

QString VolumeReadoutText(quint8 percent)
{
    return QStringLiteral("Volume: %1 %").arg(percent);
}
