#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The real program on the private headless Weston through a whole one-minute
# fade, as a dry run: the sink falls to 0 and ends muted, and the compositor
# had the window. Run as: with-services.sh sound dbus wayland -- test_wayland.sh PROGRAM
set -u
program=$1 log=$XDG_RUNTIME_DIR/somnelle.log
fail() { echo "FAIL: $*"; cat "$log" 2>/dev/null; exit 1; }
[[ $DBUS_SYSTEM_BUS_ADDRESS == */no-system-bus && $QT_QPA_PLATFORM == wayland && -z ${DISPLAY:-} ]] ||
    fail "not the private, Wayland-only environment"
"$program" --dry-run 1 sd >"$log" 2>&1 &
running=$!
volumes=() status=""
for _ in $(seq 80); do
    sleep 1
    kill -0 "$running" || fail "the program ended"
    status=$("$program" --status)
    [ "$status" = "not running" ] && continue
    volumes+=("$(pactl get-sink-volume @DEFAULT_SINK@ | awk '{ print $5 + 0; exit }')") # first channel, in %
    [ "$status" = idle ] && break
done
echo "status: $status; volumes: ${volumes[*]}"
[ "$status" = idle ] || fail "the fade did not end"
[ "$(printf '%s\n' "${volumes[@]}" | sort -rn)" = "$(printf '%s\n' "${volumes[@]}")" ] || fail "the volume rose"
[ "${volumes[0]}" -gt 0 ] && [ "${volumes[-1]}" = 0 ] || fail "the volume did not fall to 0"
pactl get-sink-mute @DEFAULT_SINK@ | grep -q yes || fail "the sink is not muted"
grep -q 'set_app_id("org.somnelle.Somnelle")' "$SOMNELLE_TEST_WESTON_LOG" || fail "no window on Weston"
echo PASS
