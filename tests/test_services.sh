#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# with-services.sh leaves nothing behind when it is stopped from outside, as CTest
# does on a time-out: for SIGTERM and for SIGKILL, every process it started (the
# sound server, buses, mock logind, displays and the program under test)
# is gone within a few seconds, and so is its folder.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The processes whose environment names the folder $1.
processes_of() {
    local p
    for p in /proc/[0-9]*; do
        [ "$p" = "/proc/$$" ] && continue
        { tr '\0' '\n' <"$p/environ" | grep -qxF "XDG_RUNTIME_DIR=$1" && echo "${p#/proc/} $(tr '\0' ' ' <"$p/cmdline")"; } 2>/dev/null
    done
    return 0
}

failures=0
for signal in TERM KILL; do
    marker="$work/$signal"
    "$here/with-services.sh" pipewire logind xvfb wayland -- \
        sh -c 'echo "$XDG_RUNTIME_DIR" >"$0"; exec sleep 600' "$marker" >"$work/$signal.log" 2>&1 &
    services=$!
    for _ in $(seq 300); do [ -s "$marker" ] && break; sleep 0.1; done
    [ -s "$marker" ] || { echo "FAIL $signal: the services did not start"; cat "$work/$signal.log"; exit 1; }
    run=$(cat "$marker")
    before=$(processes_of "$run" | wc -l)
    kill -"$signal" "$services"
    wait "$services" 2>/dev/null || true
    left=""
    for _ in $(seq 50); do
        left=$(processes_of "$run")
        [ -z "$left" ] && [ ! -e "$(dirname "$run")" ] && break
        sleep 0.1
    done
    if [ -n "$left" ] || [ -e "$(dirname "$run")" ]; then
        echo "FAIL $signal: of $before processes, left running:"; echo "$left"
        [ -e "$(dirname "$run")" ] && echo "and its folder $(dirname "$run") is still there"
        failures=$((failures + 1))
    else
        echo "PASS $signal: $before processes started, none left, folder removed"
    fi
done
exit $failures
