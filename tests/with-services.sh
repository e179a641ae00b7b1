#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs one test program inside a private environment, with the services it asks for:
#   with-services.sh [pulse|pipewire] [dbus] [logind] [xdgopen] [xvfb [openbox]|wayland] [unprivileged|wakealarm] -- PROGRAM [ARGS...]
# Always: a fresh HOME, XDG_CONFIG_HOME and XDG_RUNTIME_DIR, and Qt's offscreen platform.
# pulse:   a private PulseAudio server with a null sink; ALSA's default device routed to it.
# pipewire: the same with PipeWire, WirePlumber and pipewire-pulse (and a private session bus).
# dbus:    a private session bus (for inhibitors and media players).
# logind:  a private system bus with python3-dbusmock's logind on it (and a private session bus);
#          its log goes to $SOMNELLE_TEST_LOGIND_LOG. The real system bus is never reached.
# xdgopen: a recording xdg-open first on PATH; its calls go to $SOMNELLE_TEST_XDG_OPEN_LOG.
# unprivileged: run as the user nobody when started as root, so that file permissions count.
# wakealarm: the same, with CAP_WAKE_ALARM in the ambient set (pam_systemd's since systemd 254) if it can be given,
#          and a stand-in wake clock, $SOMNELLE_TEST_WAKE_CLOCK_SHIM preloaded (on while SOMNELLE_TEST_WAKE_CLOCK=1).
# xvfb:    a private virtual display and Qt's X11 platform instead of offscreen (for desktop services);
#          its process is $SOMNELLE_TEST_DISPLAY_PID, as the compositor's is with wayland.
# openbox: the Openbox window manager on that display (after xvfb), with its four desktops.
# wayland: a private headless Weston and Qt's Wayland platform instead of offscreen, with no X
#          display to fall back to; Weston's log, with every client's requests, is $SOMNELLE_TEST_WESTON_LOG.
# Nothing here touches the machine's own sound server or settings.
set -euo pipefail

services=()
while [ $# -gt 0 ] && [ "$1" != "--" ]; do services+=("$1"); shift; done
[ "${1:-}" = "--" ] || { echo "usage: $0 [pulse|pipewire] [dbus] [logind] [xdgopen] [xvfb [openbox]|wayland] [unprivileged|wakealarm] -- PROGRAM [ARGS...]" >&2; exit 2; }
shift

here=$(cd "$(dirname "$0")" && pwd)
root=$(mktemp -d /tmp/somnelle-test.XXXXXX)
# Each process started here leads a process group of its own, listed in
# $root/groups, so that ending those groups ends everything it started in turn.
: >"$root/groups"
spawn() {
    setsid "$@" &
    echo $! >>"$root/groups"
}
cleanup() {
    kill -- -"$(cat "$root/watchdog" 2>/dev/null)" 2>/dev/null || true
    "$here/end-groups.sh" "$root"
    rm -rf "$root"
}
trap cleanup EXIT
trap 'exit 129' HUP
trap 'exit 130' INT
trap 'exit 143' TERM
# A SIGKILL (CTest's time-out) runs no trap: a watchdog outside this script's
# process tree ends the groups once this script is gone.
setsid -f bash -c 'echo $$ >"$2/watchdog"; while kill -0 "$1" 2>/dev/null; do sleep 0.2; done
                   "$3" "$2"; rm -rf "$2"' watchdog $$ "$root" "$here/end-groups.sh" </dev/null >/dev/null 2>&1

export HOME="$root/home" XDG_CONFIG_HOME="$root/config" XDG_RUNTIME_DIR="$root/run"
mkdir -p "$HOME" "$XDG_CONFIG_HOME" && mkdir -m 700 "$XDG_RUNTIME_DIR"
export QT_QPA_PLATFORM=offscreen
# The tests read the program's English texts, whatever language the session speaks.
export LANG=C.UTF-8
unset LANGUAGE LC_ALL LC_MESSAGES
run_as=()
unset XDG_CURRENT_DESKTOP DESKTOP_SESSION PULSE_SERVER DBUS_SESSION_BUS_ADDRESS
# Nothing in a test may reach the machine's own system bus: without the logind service it points nowhere.
export DBUS_SYSTEM_BUS_ADDRESS="unix:path=$root/no-system-bus"
export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=0}"

# The tests' private sound server, $1 = pulse or pipewire (see sound-server.sh). The
# tests can stop and start it again: $SOMNELLE_TEST_SOUND_CONTROL stop|start.
start_sound() {
    local kind=$1
    mkdir -p "$root/sound"
    export PULSE_RUNTIME_PATH="$root/sound" PULSE_STATE_PATH="$root/sound" PULSE_SERVER="unix:$root/sound/native"
    export SOMNELLE_TEST_SOUND_CONTROL="$root/sound/control"
    if [ "$kind" = pipewire ]; then
        start_dbus
        mkdir -p "$root/sound/pipewire"
        # pipewire-pulse listens on $XDG_RUNTIME_DIR/pulse/native: ours, linked to the path above.
        ln -s "$root/sound" "$XDG_RUNTIME_DIR/pulse"
    fi
    cat >"$SOMNELLE_TEST_SOUND_CONTROL" <<EOF
#!/bin/sh
export PULSE_RUNTIME_PATH="$PULSE_RUNTIME_PATH" PULSE_STATE_PATH="$PULSE_STATE_PATH" PULSE_SERVER="$PULSE_SERVER"
export XDG_RUNTIME_DIR="$XDG_RUNTIME_DIR" DBUS_SESSION_BUS_ADDRESS="${DBUS_SESSION_BUS_ADDRESS:-}"
exec "$here/sound-server.sh" "$root/sound" $kind "\$1"
EOF
    chmod +x "$SOMNELLE_TEST_SOUND_CONTROL"
    "$SOMNELLE_TEST_SOUND_CONTROL" start
    # ALSA's default device and mixer go to the private server only.
    printf 'pcm.!default { type pulse }\nctl.!default { type pulse }\n' >"$HOME/.asoundrc"
}

# A bus daemon of our own at unix:path=$1 (session policy: it is ours alone, and nobody's if we run the program as nobody).
start_bus() {
    printf '<busconfig><include>/usr/share/dbus-1/session.conf</include><policy context="default"><allow user="nobody"/></policy></busconfig>' >"$1.conf"
    spawn dbus-daemon --config-file="$1.conf" --nofork --nopidfile --address="unix:path=$1" >"$1.log" 2>&1
    for _ in $(seq 100); do [ -S "$1" ] && return; sleep 0.05; done
    echo "private D-Bus bus did not start:" >&2; cat "$1.log" >&2; exit 1
}

start_dbus() {
    [ -n "${DBUS_SESSION_BUS_ADDRESS:-}" ] && return
    start_bus "$root/session-bus"
    export DBUS_SESSION_BUS_ADDRESS="unix:path=$root/session-bus"
}

start_logind() {
    start_dbus
    start_bus "$root/system-bus"
    export DBUS_SYSTEM_BUS_ADDRESS="unix:path=$root/system-bus" SOMNELLE_TEST_LOGIND_LOG="$root/logind.log"
    case "$DBUS_SYSTEM_BUS_ADDRESS" in
        "unix:path=$root/"*) ;;
        *) echo "refusing to run power tests on a system bus that is not the tests' own" >&2; exit 1 ;;
    esac
    spawn /usr/bin/python3 -m dbusmock --system --template logind -l "$SOMNELLE_TEST_LOGIND_LOG" >"$root/logind.out" 2>&1
    for _ in $(seq 200); do
        dbus-send --bus="$DBUS_SYSTEM_BUS_ADDRESS" --print-reply --dest=org.freedesktop.login1 \
            /org/freedesktop/login1 org.freedesktop.DBus.Peer.Ping >/dev/null 2>&1 && return
        sleep 0.05
    done
    echo "mock logind did not start:" >&2; cat "$root/logind.out" >&2; exit 1
}

start_xvfb() {
    local display
    for _ in $(seq 20); do
        display=:$((200 + RANDOM % 300))
        [ -e "/tmp/.X11-unix/X${display#:}" ] || break
    done
    # -noreset: the server must not restart when its last client leaves.
    spawn Xvfb "$display" -screen 0 800x600x24 -nolisten tcp -noreset >"$root/xvfb.log" 2>&1
    export SOMNELLE_TEST_DISPLAY_PID=$!
    export DISPLAY=$display QT_QPA_PLATFORM=xcb
    for _ in $(seq 100); do xdpyinfo >/dev/null 2>&1 && return; sleep 0.05; done
    echo "private virtual display did not start:" >&2; cat "$root/xvfb.log" >&2; exit 1
}

start_openbox() {
    spawn openbox --sm-disable >"$root/openbox.log" 2>&1
    # Ready once it names itself on the root window.
    for _ in $(seq 100); do xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" && return; sleep 0.05; done
    echo "window manager did not start:" >&2; cat "$root/openbox.log" >&2; exit 1
}

start_wayland() {
    export SOMNELLE_TEST_WESTON_LOG="$root/weston.log" WAYLAND_DISPLAY=wayland-somnelle QT_QPA_PLATFORM=wayland
    unset DISPLAY
    # The "proto" log scope records each client's requests: what a test reads to see who spoke Wayland.
    spawn weston --backend=headless-backend.so --socket="$WAYLAND_DISPLAY" --idle-time=0 \
        --log="$SOMNELLE_TEST_WESTON_LOG" --logger-scopes=log,proto >"$root/weston.out" 2>&1
    export SOMNELLE_TEST_DISPLAY_PID=$!
    for _ in $(seq 200); do [ -S "$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY" ] && return; kill -0 $! 2>/dev/null || break; sleep 0.05; done
    echo "private Wayland compositor did not start:" >&2; cat "$root/weston.out" "$SOMNELLE_TEST_WESTON_LOG" >&2 2>/dev/null; exit 1
}

start_xdgopen() {
    mkdir -p "$root/bin"
    export SOMNELLE_TEST_XDG_OPEN_LOG="$root/xdg-open.log"
    # It exits with $SOMNELLE_TEST_XDG_OPEN_EXIT (0 by default), to play a desktop that has no program for a file.
    printf '#!/bin/sh\nprintf "%%s\\n" "$*" >>"%s"\nexit ${SOMNELLE_TEST_XDG_OPEN_EXIT:-0}\n' "$SOMNELLE_TEST_XDG_OPEN_LOG" >"$root/bin/xdg-open"
    chmod +x "$root/bin/xdg-open"
    export PATH="$root/bin:$PATH"
}

for service in "${services[@]}"; do
    case "$service" in
        pulse|pipewire) start_sound "$service" ;;
        dbus) start_dbus ;;
        logind) start_logind ;;
        xdgopen) start_xdgopen ;;
        xvfb) start_xvfb ;;
        openbox) start_openbox ;;
        wayland) start_wayland ;;
        unprivileged|wakealarm)
            if [ "$(id -u)" -eq 0 ]; then
                # The build folder may not be open to nobody (a clone under /root): run a copy.
                mkdir -p "$root/program"
                cp "$1" "$root/program/"
                # With the program's data where it looks for it (../share/somnelle): our tune.
                [ ! -d "$(dirname "$1")/../share" ] || cp -r "$(dirname "$1")/../share" "$root/"
                set -- "$root/program/$(basename "$1")" "${@:2}"
                chown -R nobody:nogroup "$root"
                cd "$root"
                run_as=(setpriv --reuid=nobody --regid=nogroup --clear-groups --)
            fi
            caps=(--inh-caps=+wake_alarm --ambient-caps=+wake_alarm) && [ "$service" = wakealarm ] && setpriv "${caps[@]}" true 2>/dev/null && run_as=(setpriv "${caps[@]}" "${run_as[@]:1}")
            if [ "$service" = wakealarm ]; then
                # The stand-in for a clock that can wake the machine (tests/support/wakeclock.cpp), which it may lack.
                cp "$SOMNELLE_TEST_WAKE_CLOCK_SHIM" "$root/wakeclock.so" && chmod a+r "$root/wakeclock.so"
                export LD_PRELOAD="$root/wakeclock.so"
                # The sanitizers' runtime need not come first for a library this small.
                export ASAN_OPTIONS="$ASAN_OPTIONS:verify_asan_link_order=0"
            fi ;;
        *) echo "unknown service: $service" >&2; exit 2 ;;
    esac
done

spawn "${run_as[@]}" "$@"
status=0
wait $! || status=$?
exit $status
