#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs what is missing, builds Somnelle and runs the whole test suite.
#   scripts/test.sh              the normal build, in build/
#   scripts/test.sh --sanitize   with AddressSanitizer and UndefinedBehaviorSanitizer, in build-sanitize/
# Each test starts the private services it needs (see tests/with-services.sh),
# so they run side by side: most of their time is spent waiting on those.
set -euo pipefail
cd "$(dirname "$0")/.."

if [ "${1:-}" = "--sanitize" ]; then
    build=build-sanitize
    scripts/setup.sh "$build" -DSOMNELLE_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug
else
    build=build
    scripts/setup.sh "$build"
fi
ctest --test-dir "$build" --output-on-failure -j"$(( $(nproc) * 2 ))"
