#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# A real 2-minute fade against a private PulseAudio server; prints CPU time,
# wake-ups, memory and the timing of the last tick.
# The sound server is PulseAudio, or PipeWire with: bench/fade.sh pipewire
# After it, "desktop" adds a private session bus and X display, as a desktop
# has (bench/fade.sh pulse desktop), and "watcher" adds to those a
# status-notifier watcher, as a panel's, so that the fade has its panel item:
# the two differ by the panel alone.
# SOMNELLE_BENCH_FADE: another build's bench_fade to run instead (a before and after).
set -euo pipefail
cd "$(dirname "$0")/.."
[ -x build/bench_fade ] || scripts/setup.sh build -DSOMNELLE_BENCHMARKS=ON
program=${SOMNELLE_BENCH_FADE:-build/bench_fade}
case "${2:-}" in
    "") exec tests/with-services.sh "${1:-pulse}" -- "$program" ;;
    desktop) exec tests/with-services.sh "${1:-pulse}" dbus xvfb -- "$program" ;;
    watcher) ;;
    *) echo "usage: $0 [pulse|pipewire] [desktop|watcher]" >&2; exit 2 ;;
esac
# The watcher takes every item and says that a panel shows them; it ends with the private bus.
exec tests/with-services.sh "${1:-pulse}" dbus xvfb -- bash -c '
    watcher=org.kde.StatusNotifierWatcher
    mock() { gdbus call --session -d $watcher -o /StatusNotifierWatcher -m org.freedesktop.DBus.Mock.$1 "${@:2}" >/dev/null; }
    /usr/bin/python3 -m dbusmock $watcher /StatusNotifierWatcher $watcher &
    until mock AddMethod $watcher RegisterStatusNotifierItem s "" "" 2>/dev/null; do sleep 0.1; done
    mock AddProperty $watcher IsStatusNotifierHostRegistered "<true>"
    exec "$0"' "$program"
