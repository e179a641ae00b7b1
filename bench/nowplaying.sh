#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Follows a mock media player for 20 s on a private session bus: the bus
# messages the adapter sends per second, and how far the end it tells is from
# the player's own.
#   bench/nowplaying.sh
set -euo pipefail
cd "$(dirname "$0")/.."
[ -x build/bench_nowplaying ] || scripts/setup.sh build -DSOMNELLE_BENCHMARKS=ON
tests/with-services.sh dbus -- build/bench_nowplaying "$PWD/tests/support/mprisplayer.py"
