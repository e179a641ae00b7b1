// SPDX-License-Identifier: MIT
#pragma once

#include <QDir>
#include <QFile>
#include <QList>
#include <linux/capability.h>
#include <sys/prctl.h>
#include <sys/syscall.h>
#include <ctime>
#include <unistd.h>

// CAP_WAKE_ALARM for the tests run by the "wakealarm" service.
namespace WakeCapability {

// This thread's own (effective), and handed on to what it starts (ambient);
// false when this user may not be given it.
inline bool set(bool own, bool handOn)
{
    __user_cap_header_struct header {_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct caps[2];
    syscall(SYS_capget, &header, caps);
    const __u32 wake = CAP_TO_MASK(CAP_WAKE_ALARM);
    __u32 &effective = caps[CAP_TO_INDEX(CAP_WAKE_ALARM)].effective;
    effective = own ? effective | wake : effective & ~wake;
    return syscall(SYS_capset, &header, caps) == 0
        && prctl(PR_CAP_AMBIENT, handOn ? PR_CAP_AMBIENT_RAISE : PR_CAP_AMBIENT_LOWER, CAP_WAKE_ALARM, 0, 0) == 0;
}

// Whether this machine has a clock that can wake it: asked of the kernel
// itself, past the stand-in that the "wakealarm" service preloads.
inline bool machineCanWake()
{
    timespec resolution {};
    return syscall(SYS_clock_getres, CLOCK_REALTIME_ALARM, &resolution) == 0;
}

// The stand-in wake clock (tests/support/wakeclock.cpp) on or off for what follows.
inline void standInWakeClock(bool on)
{
    qputenv("SOMNELLE_TEST_WAKE_CLOCK", on ? "1" : "0");
}

// The seconds left on each CLOCK_REALTIME_ALARM timer this process holds.
inline QList<int> alarmTimers()
{
    QList<int> left;
    for (const QFileInfo &fd : QDir(QStringLiteral("/proc/self/fdinfo")).entryInfoList(QDir::Files)) {
        QFile file(fd.filePath());
        const QByteArray info = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        if (info.contains("clockid: 8\n"))
            left << info.mid(info.indexOf("it_value: (") + 11).split(',').first().toInt();
    }
    return left;
}

} // namespace WakeCapability
