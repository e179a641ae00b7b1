#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Prints the cost of one master-volume operation against a private PulseAudio
# server, and whether file descriptors or threads leak over 1,000 of them.
# The sound server is PulseAudio, or PipeWire with: bench/mixer.sh pipewire
set -euo pipefail
cd "$(dirname "$0")/.."
[ -x build/bench_mixer ] || scripts/setup.sh build -DSOMNELLE_BENCHMARKS=ON
tests/with-services.sh "${1:-pulse}" -- build/bench_mixer
