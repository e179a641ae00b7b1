// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QFile>
#include <sys/resource.h>

// A number from /proc/self/status, such as "Threads" or "VmRSS" (in kB); -1 when not there.
inline long ProcStatusValue(const QByteArray &field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray prefix = field + ':';
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith(prefix))
            return line.mid(prefix.size()).trimmed().split(' ').first().toLong();
    return -1;
}

// CPU time and context switches of all the process's threads so far. A
// voluntary switch is a wake-up: a thread slept and something woke it. The
// others are preemptions, counted apart: they come from whatever else the
// machine runs.
struct Usage {
    double cpuSeconds;
    long wakeUps;
    long preemptions;
};

inline Usage ProcessUsage()
{
    rusage self {};
    getrusage(RUSAGE_SELF, &self);
    return {double(self.ru_utime.tv_sec + self.ru_stime.tv_sec) + (self.ru_utime.tv_usec + self.ru_stime.tv_usec) / 1e6,
            self.ru_nvcsw, self.ru_nivcsw};
}
