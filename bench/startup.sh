#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Prints the time from launching Somnelle to its window being shown (median of
# 5 runs, on a private virtual display) and the resident memory of the idle window.
set -euo pipefail
cd "$(dirname "$0")/.."
[ -x build/somnelle ] || scripts/setup.sh build
source scripts/virtual-display.sh "$@"

times=()
for run in 1 2 3 4 5; do
    start=$(date +%s%N)
    build/somnelle &
    app=$!
    wait_for_window >/dev/null
    end=$(date +%s%N)
    times+=($(( (end - start) / 1000000 )))
    if [ "$run" -lt 5 ]; then kill "$app"; wait "$app" 2>/dev/null || true; fi
done
sleep 2
rss=$(awk '/VmRSS/ {print $2}' "/proc/$app/status")
median=$(printf '%s\n' "${times[@]}" | sort -n | sed -n 3p)
echo "start-up to window shown: runs ${times[*]} ms, median ${median} ms"
echo "resident memory of the idle window: $((rss / 1024)) MB (${rss} kB)"
