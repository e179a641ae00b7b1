#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# A real 2-minute fade against a private PulseAudio server; prints CPU time,
# wake-ups, memory and the timing of the last tick.
# The sound server is PulseAudio, or PipeWire with: bench/fade.sh pipewire
# After it, "desktop" adds a private session bus, an X display and an
# accessibility bus, as a desktop has (bench/fade.sh pulse desktop), and
# "watcher" adds to those a status-notifier watcher, as a panel's, so that the
# fade has its panel item: the two differ by the panel alone. "playing" adds
# to the desktop a mock media player that plays a 3-minute track all along,
# "paused" one that holds it paused; both count the messages the program
# sends to the player. Each fade's end pauses the players, so the playing one
# is told to play every 2 s, and those calls are not counted.
# SOMNELLE_BENCH_FADE: another build's bench_fade to run instead (a before and after).
set -euo pipefail
cd "$(dirname "$0")/.."
[ -x build/bench_fade ] || scripts/setup.sh build -DSOMNELLE_BENCHMARKS=ON
program=${SOMNELLE_BENCH_FADE:-build/bench_fade}
case "${2:-}" in
    "") exec tests/with-services.sh "${1:-pulse}" -- "$program" ;;
    desktop | watcher | playing | paused) ;;
    *) echo "usage: $0 [pulse|pipewire] [desktop|watcher|playing|paused]" >&2; exit 2 ;;
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
    if [ "$1" = desktop ] || [ "$1" = watcher ]; then exec "$0"; fi
    player=org.mpris.MediaPlayer2.bench
    call() { gdbus call --session -d $player -o /org/mpris/MediaPlayer2 -m "$@" >/dev/null; }
    /usr/bin/python3 -m dbusmock $player /org/mpris/MediaPlayer2 org.mpris.MediaPlayer2.Player >/dev/null &
    until call org.freedesktop.DBus.Mock.AddTemplate "$2" "{}" 2>/dev/null; do sleep 0.1; done
    call org.mpris.MediaPlayer2.Player.Play
    if [ "$1" = paused ]; then
        call org.mpris.MediaPlayer2.Player.Pause
    else
        while sleep 2; do
            dbus-send --session --dest=$player /org/mpris/MediaPlayer2 org.mpris.MediaPlayer2.Player.Play
        done &
    fi
    owner=$(gdbus call --session -d org.freedesktop.DBus -o /org/freedesktop/DBus \
                -m org.freedesktop.DBus.GetNameOwner $player | tr -d "(\047,)")
    calls=$(mktemp)
    q=$(printf "\x27")
    dbus-monitor --session --profile "destination=$q$player$q" "destination=$q$owner$q" >"$calls" &
    started=$(date +%s)
    "$0"
    sleep 0.5
    seconds=$(($(date +%s) - started))
    count=$(awk -F "\t" "\$1 == \"mc\" && \$8 != \"Play\"" "$calls" | wc -l)
    echo "messages to the $1 player: $count in the $seconds s of the whole run"' \
    "$program" "$2" "$PWD/tests/support/mprisplayer.py"
