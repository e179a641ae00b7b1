// SPDX-License-Identifier: MIT
#include "settings/datetime.h"

#include <cmath>

namespace {
const QDate Epoch(1899, 12, 30);
constexpr double MillisecondsPerDay = 86400000.0;
} // namespace

double ToStoredDateTime(const QDateTime &dateTime)
{
    const double days = double(Epoch.daysTo(dateTime.date()));
    const double fraction = dateTime.time().msecsSinceStartOfDay() / MillisecondsPerDay;
    return days >= 0 ? days + fraction : days - fraction;
}

QDateTime FromStoredDateTime(double stored)
{
    // Qt's dates end long before a double does.
    if (!std::isfinite(stored) || std::fabs(stored) > 1e9)
        return {};
    double wholeDays = std::trunc(stored);
    qint64 milliseconds = std::llround(std::fabs(stored - wholeDays) * MillisecondsPerDay);
    // Rounding can carry into the next day.
    if (milliseconds >= qint64(MillisecondsPerDay)) {
        milliseconds -= qint64(MillisecondsPerDay);
        wholeDays += stored >= 0 ? 1 : -1;
    }
    return QDateTime(Epoch.addDays(qint64(wholeDays)), QTime::fromMSecsSinceStartOfDay(int(milliseconds)));
}
