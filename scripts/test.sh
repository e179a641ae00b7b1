#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs what is missing, builds Somnelle and runs the whole test suite.
#   scripts/test.sh              the normal build, in build/
#   scripts/test.sh --sanitize   with AddressSanitizer and UndefinedBehaviorSanitizer, in build-sanitize/
# Each test starts the private services it needs (see tests/with-services.sh).
set -euo pipefail
cd "$(dirname "$0")/.."

if [ "${1:-}" = "--sanitize" ]; then
    scripts/setup.sh build-sanitize -DSOMNELLE_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug
    ctest --test-dir build-sanitize --output-on-failure
else
    scripts/setup.sh build
    ctest --test-dir build --output-on-failure
fi
