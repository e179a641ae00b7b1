#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# A real 2-minute fade against a private PulseAudio server; prints CPU time,
# wake-ups, memory and the timing of the last tick.
# The sound server is PulseAudio, or PipeWire with: bench/fade.sh pipewire
set -euo pipefail
cd "$(dirname "$0")/.."
[ -x build/bench_fade ] || scripts/setup.sh build -DSOMNELLE_BENCHMARKS=ON
tests/with-services.sh "${1:-pulse}" -- build/bench_fade
