#!/usr/bin/env bash
# Takes a screenshot of Somnelle's window on a private virtual display.
#   scripts/screenshot.sh [OUTPUT.png] [SOMNELLE ARGUMENTS...]
# Runs with a private settings folder, so your own settings are neither used nor changed.
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:-docs/screenshot.png}
shift || true
[ -x build/somnelle ] || scripts/setup.sh build

root=$(mktemp -d /tmp/somnelle-shot.XXXXXX)
display=:$((90 + RANDOM % 100))
Xvfb "$display" -screen 0 800x600x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $app $xvfb 2>/dev/null || true; rm -rf "$root"' EXIT
export DISPLAY=$display XDG_CONFIG_HOME="$root/config" XDG_RUNTIME_DIR="$root/run"
mkdir -m 700 "$root/run"
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

build/somnelle "$@" &
app=$!
window=$(xdotool search --sync --onlyvisible --name 'Somnelle')
sleep 1
mkdir -p "$(dirname "$out")"
import -window "$window" "$out"
echo "wrote $out"
