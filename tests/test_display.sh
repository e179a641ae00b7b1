#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The real program on the private display through a whole one-minute fade, as
# a dry run that ends in the wait for a wake-up: the sink falls to 0 and ends
# muted, and the display had the window. Then the display goes away first, as
# at a logout: the program ends, and gives the sound back as a signal would.
# Run as: with-services.sh sound dbus wayland|xvfb -- test_display.sh PROGRAM
set -u
program=$1 log=$XDG_RUNTIME_DIR/somnelle.log
fail() { echo "FAIL: $*"; cat "$log" 2>/dev/null; exit 1; }
case $QT_QPA_PLATFORM in
    wayland) [ -z "${DISPLAY:-}" ] || fail "an X display to fall back to" ;;
    xcb) ;;
    *) fail "not on a private display" ;;
esac
[[ $DBUS_SYSTEM_BUS_ADDRESS == */no-system-bus && -n ${SOMNELLE_TEST_DISPLAY_PID:-} ]] || fail "not the private environment"
"$program" --dry-run 1 am "$(date -d '+10 min' +%H:%M)" td 40 europe.mid >"$log" 2>&1 &
running=$!
volumes=() status=""
for _ in $(seq 80); do
    sleep 1
    kill -0 "$running" || fail "the program ended"
    status=$("$program" --status)
    [ "$status" = "not running" ] && continue
    volumes+=("$(pactl get-sink-volume @DEFAULT_SINK@ | awk '{ print $5 + 0; exit }')") # first channel, in %
    [[ $status == "waiting for the wake-up"* ]] && break
done
echo "status: $status; volumes: ${volumes[*]}"
[[ $status == "waiting for the wake-up"* ]] || fail "the fade did not end"
[ "$(printf '%s\n' "${volumes[@]}" | sort -rn)" = "$(printf '%s\n' "${volumes[@]}")" ] || fail "the volume rose"
[ "${volumes[0]}" -gt 0 ] && [ "${volumes[-1]}" = 0 ] || fail "the volume did not fall to 0"
pactl get-sink-mute @DEFAULT_SINK@ | grep -q yes || fail "the sink is not muted"
if [ "$QT_QPA_PLATFORM" = wayland ]; then
    grep -q 'set_app_id("org.somnelle.Somnelle")' "$SOMNELLE_TEST_WESTON_LOG" || fail "no window on Weston"
fi

kill "$SOMNELLE_TEST_DISPLAY_PID"
for _ in $(seq 50); do kill -0 "$running" 2>/dev/null || break; sleep 0.2; done
kill -0 "$running" 2>/dev/null && fail "the program outlived its display"
pactl get-sink-mute @DEFAULT_SINK@ | grep -q no || fail "the sink was left muted"
echo PASS
