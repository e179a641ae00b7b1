// SPDX-License-Identifier: MIT
// Loaded with LD_PRELOAD by the "wakealarm" service: while the environment
// holds SOMNELLE_TEST_WAKE_CLOCK=1 the alarm clocks answer clock_getres as on
// a machine whose real-time clock can wake it. Otherwise, and for every other
// clock, the kernel answers. The kernel's alarm timers work either way; they
// only would not wake a suspended machine that has no such clock.
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <dlfcn.h>

extern "C" int clock_getres(clockid_t clock, timespec *resolution)
{
    const char *standIn = std::getenv("SOMNELLE_TEST_WAKE_CLOCK");
    if ((clock == CLOCK_REALTIME_ALARM || clock == CLOCK_BOOTTIME_ALARM) && standIn && std::strcmp(standIn, "1") == 0) {
        if (resolution)
            *resolution = timespec {0, 1};
        return 0;
    }
    using ClockGetres = int (*)(clockid_t, timespec *);
    static const auto kernels = reinterpret_cast<ClockGetres>(dlsym(RTLD_NEXT, "clock_getres"));
    return kernels(clock, resolution);
}
