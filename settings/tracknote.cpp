// SPDX-License-Identifier: MIT
#include "settings/tracknote.h"

bool TrackNote::isOffered(const QDateTime &now) const
{
    constexpr qint64 ShortestUs = 120 * 1000000LL;
    return notedAt.isValid() && !player.isEmpty() && lengthUs >= ShortestUs && notedAt <= now
        && notedAt.secsTo(now) < 24 * 3600;
}
