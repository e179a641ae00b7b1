#!/usr/bin/env bash
# Takes a screenshot of Somnelle's window on a private virtual display.
#   scripts/screenshot.sh [OUTPUT.png] [SOMNELLE ARGUMENTS...]
# Runs with a private settings folder, so your own settings are neither used nor changed.
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:-docs/screenshot.png}
shift || true
[ -x build/somnelle ] || scripts/setup.sh build

# A private sound server, as on a desktop, so that the window opens on a master volume.
if [ -z "${SOMNELLE_PRIVATE_SOUND:-}" ]; then
    exec tests/with-services.sh pulse -- env SOMNELLE_PRIVATE_SOUND=1 "$0" "$@"
fi
unset QT_QPA_PLATFORM

root=$(mktemp -d /tmp/somnelle-shot.XXXXXX)
display=:$((90 + RANDOM % 100))
Xvfb "$display" -screen 0 800x600x24 -nolisten tcp -noreset >/dev/null 2>&1 &
xvfb=$!
trap 'kill $app $xvfb 2>/dev/null || true; rm -rf "$root"' EXIT
export DISPLAY=$display XDG_CONFIG_HOME="$root/config" XDG_RUNTIME_DIR="$root/run"
mkdir -m 700 "$root/run"
for _ in $(seq 100); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
xdpyinfo >/dev/null 2>&1 || { echo "error: the virtual display $display did not start" >&2; exit 1; }

build/somnelle "$@" &
app=$!
window=
for _ in $(seq 200); do
    window=$(xdotool search --onlyvisible --name '^Somnelle v1' 2>/dev/null | head -1) && [ -n "$window" ] && break
    kill -0 "$app" 2>/dev/null || { echo "error: Somnelle ended before its window showed" >&2; exit 1; }
    sleep 0.05
done
[ -n "$window" ] || { echo "error: Somnelle's window did not show" >&2; exit 1; }
sleep 1
mkdir -p "$(dirname "$out")"
import -window "$window" "$out"
echo "wrote $out"
