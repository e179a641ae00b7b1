#!/usr/bin/env bash
# Prints the cost of one master-volume operation against a private PulseAudio
# server, and whether file descriptors or threads leak over 1,000 of them.
set -euo pipefail
cd "$(dirname "$0")/.."
[ -x build/bench_mixer ] || scripts/setup.sh build
tests/with-services.sh pulse -- build/bench_mixer
