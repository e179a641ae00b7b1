#pragma once

#include <QByteArray>
#include <QFile>

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
