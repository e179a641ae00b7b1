#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs what is missing, builds Somnelle and starts it on the current display.
# Arguments are passed to Somnelle.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh --program build
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "error: no display to show the window on (DISPLAY and WAYLAND_DISPLAY are unset)" >&2
    exit 1
fi
exec build/somnelle "$@"
