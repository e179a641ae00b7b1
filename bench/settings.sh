#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Prints the time of one save and one load, and the result of the crash test.
set -euo pipefail
cd "$(dirname "$0")/.."
[ -x build/bench_settings ] || scripts/setup.sh build -DSOMNELLE_BENCHMARKS=ON
build/bench_settings
