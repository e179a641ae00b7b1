#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Stops or starts the tests' private sound server in the folder $1 (made by
# with-services.sh, whose environment it expects):
#   sound-server.sh FOLDER pulse|pipewire start|stop
# pulse:    PulseAudio.
# pipewire: PipeWire with WirePlumber (on our own configuration, see
#           wireplumber/wireplumber.conf), reached through pipewire-pulse.
# Either way the server runs in a process group of its own, named in
# FOLDER/pgid, with a null sink "somnelle_test" as the default at 100 %.
set -u
folder=$1 kind=$2 here=$(cd "$(dirname "$0")" && pwd)

fail() {
    echo "the private $kind sound server is not usable ($1); its log:" >&2
    cat "$folder/log" >&2
    exit 1
}

# Usable means what the tests need of it: the null sink is the default and takes a volume.
usable() {
    pactl set-default-sink somnelle_test 2>/dev/null &&
        pactl set-sink-volume somnelle_test 100% 2>/dev/null &&
        [ "$(pactl get-default-sink 2>/dev/null)" = somnelle_test ] &&
        pactl get-sink-volume somnelle_test 2>/dev/null | grep -q '/ 100% /'
}

start() {
    if [ "$kind" = pulse ]; then
        setsid pulseaudio --daemonize=no --exit-idle-time=-1 --disallow-exit -n --use-pid-file=no \
            --load="module-native-protocol-unix socket=${PULSE_SERVER#unix:} auth-anonymous=1" \
            --load=module-always-sink >>"$folder/log" 2>&1 </dev/null &
    else
        # WirePlumber reads its configuration from here only: the system's, with ours over it.
        export WIREPLUMBER_CONFIG_DIR="$folder/wireplumber"
        if [ ! -d "$WIREPLUMBER_CONFIG_DIR" ]; then
            cp -rs /usr/share/wireplumber/. "$WIREPLUMBER_CONFIG_DIR"
            cp -r --remove-destination "$here/wireplumber/." "$WIREPLUMBER_CONFIG_DIR"
        fi
        setsid bash -c 'pipewire & sleep 0.2; wireplumber & pipewire-pulse' >>"$folder/log" 2>&1 </dev/null &
    fi
    local pgid=$!
    echo "$pgid" >"$folder/pgid"
    # A server that is not usable within ten seconds will not be: say so at once.
    local deadline=$((SECONDS + 10))
    next_try() {
        # The server's own process: its group may not be made yet (setsid runs in the child).
        kill -0 "$pgid" 2>/dev/null || fail "it exited"
        [ "$SECONDS" -lt "$deadline" ] || fail "$1 after 10 s"
        sleep 0.05
    }
    until pactl info >/dev/null 2>&1; do next_try "no answer"; done
    pactl load-module module-null-sink sink_name=somnelle_test >/dev/null || fail "no null sink"
    until usable; do next_try "the null sink is not the default or takes no volume"; done
}

stop() {
    local pgid
    pgid=$(cat "$folder/pgid" 2>/dev/null) || return 0
    rm -f "$folder/pgid"
    kill -- -"$pgid" 2>/dev/null
    for _ in $(seq 100); do kill -0 -- -"$pgid" 2>/dev/null || return 0; sleep 0.05; done
    kill -9 -- -"$pgid" 2>/dev/null
}

case "$3" in
    start) start ;;
    stop) stop ;;
    *) echo "usage: $0 FOLDER pulse|pipewire start|stop" >&2; exit 2 ;;
esac
