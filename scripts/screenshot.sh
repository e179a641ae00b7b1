#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Takes a screenshot of Somnelle's window on a private virtual display.
#   scripts/screenshot.sh [OUTPUT.png] [SOMNELLE ARGUMENTS...]
# Your own settings and sound are neither used nor changed.
set -euo pipefail
cd "$(dirname "$0")/.."
[ -x build/somnelle ] || scripts/setup.sh build
source scripts/virtual-display.sh "$@"
out=${1:-docs/screenshot.png}
shift || true

build/somnelle "$@" &
app=$!
window=$(wait_for_window)
sleep 1
mkdir -p "$(dirname "$out")"
import -window "$window" "$out"
echo "wrote $out"
