#!/usr/bin/env bash
# Prints the time from launching Somnelle to its window being shown (median of
# 5 runs, on a private virtual display) and the resident memory of the idle window.
set -euo pipefail
cd "$(dirname "$0")/.."
[ -x build/somnelle ] || scripts/setup.sh build

# A private sound server, as on a desktop, so that the window opens on a master volume.
if [ -z "${SOMNELLE_PRIVATE_SOUND:-}" ]; then
    exec tests/with-services.sh pulse -- env SOMNELLE_PRIVATE_SOUND=1 "$0" "$@"
fi
unset QT_QPA_PLATFORM

root=$(mktemp -d /tmp/somnelle-bench.XXXXXX)
display=:$((90 + RANDOM % 100))
Xvfb "$display" -screen 0 800x600x24 -nolisten tcp -noreset >/dev/null 2>&1 &
xvfb=$!
app=
trap 'kill $app $xvfb 2>/dev/null || true; rm -rf "$root"' EXIT
export DISPLAY=$display XDG_CONFIG_HOME="$root/config" XDG_RUNTIME_DIR="$root/run"
mkdir -m 700 "$root/run"
for _ in $(seq 100); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
xdpyinfo >/dev/null 2>&1 || { echo "error: the virtual display $display did not start" >&2; exit 1; }

times=()
for run in 1 2 3 4 5; do
    start=$(date +%s%N)
    build/somnelle &
    app=$!
    # Poll every few milliseconds (xdotool's own --sync waits half a second between looks).
    until xdotool search --onlyvisible --name '^Somnelle v1' >/dev/null 2>&1; do
        kill -0 "$app" 2>/dev/null || { echo "error: Somnelle ended before its window showed" >&2; exit 1; }
        sleep 0.005
    done
    end=$(date +%s%N)
    times+=($(( (end - start) / 1000000 )))
    if [ "$run" -lt 5 ]; then kill "$app"; wait "$app" 2>/dev/null || true; fi
done
sleep 2
rss=$(awk '/VmRSS/ {print $2}' "/proc/$app/status")
median=$(printf '%s\n' "${times[@]}" | sort -n | sed -n 3p)
echo "start-up to window shown: runs ${times[*]} ms, median ${median} ms"
echo "resident memory of the idle window: $((rss / 1024)) MB (${rss} kB)"
