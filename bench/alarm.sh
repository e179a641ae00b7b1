#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# A 1-minute fade in alarm mode, then the wait for the wake-up measured over
# N minutes (default 10), against a private sound server and a mock logind.
#   bench/alarm.sh [MINUTES]
set -euo pipefail
cd "$(dirname "$0")/.."
[ -x build/bench_alarm ] || scripts/setup.sh build -DSOMNELLE_BENCHMARKS=ON
tests/with-services.sh pulse logind -- build/bench_alarm "${1:-10}"
