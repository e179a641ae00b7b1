#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# A real 2-minute fade against a private PulseAudio server; prints CPU time,
# wake-ups, memory and the timing of the last tick.
# The sound server is PulseAudio, or PipeWire with: bench/fade.sh pipewire
# After it, "desktop" adds a private session bus, an X display and an
# accessibility bus, as a desktop has (bench/fade.sh pulse desktop), and
# "watcher" adds to those a status-notifier watcher, as a panel's, so that the
# fade has its panel item: the two differ by the panel alone.
# SOMNELLE_BENCH_FADE: another build's bench_fade to run instead (a before and after).
set -euo pipefail
cd "$(dirname "$0")/.."
[ -x build/bench_fade ] || scripts/setup.sh build -DSOMNELLE_BENCHMARKS=ON
program=${SOMNELLE_BENCH_FADE:-build/bench_fade}
case "${2:-}" in
    "") exec tests/with-services.sh "${1:-pulse}" -- "$program" ;;
    desktop | watcher) ;;
    *) echo "usage: $0 [pulse|pipewire] [desktop|watcher]" >&2; exit 2 ;;
esac
# The accessibility bus, which the desktop starts for every program; the
# watcher, which takes every item and says that a panel shows them. Both end
# with the private bus.
exec tests/with-services.sh "${1:-pulse}" dbus xvfb -- bash -c '
    /usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
    until gdbus call --session -d org.a11y.Bus -o /org/a11y/bus -m org.a11y.Bus.GetAddress >/dev/null 2>&1; do sleep 0.1; done
    if [ "$1" = watcher ]; then
        watcher=org.kde.StatusNotifierWatcher
        mock() { gdbus call --session -d $watcher -o /StatusNotifierWatcher -m org.freedesktop.DBus.Mock.$1 "${@:2}" >/dev/null; }
        /usr/bin/python3 -m dbusmock $watcher /StatusNotifierWatcher $watcher &
        until mock AddMethod $watcher RegisterStatusNotifierItem s "" "" 2>/dev/null; do sleep 0.1; done
        mock AddProperty $watcher IsStatusNotifierHostRegistered "<true>"
    fi
    exec "$0"' "$program" "$2"
