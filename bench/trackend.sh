#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Three 75-second nights that end with the track of a mock media player,
# seeked twice and paused once: how close to the track's end the player is
# paused, and the messages sent to it.
#   bench/trackend.sh
set -euo pipefail
cd "$(dirname "$0")/.."
[ -x build/bench_trackend ] || scripts/setup.sh build -DSOMNELLE_BENCHMARKS=ON
tests/with-services.sh pulse dbus -- build/bench_trackend "$PWD/tests/support/mprisplayer.py"
