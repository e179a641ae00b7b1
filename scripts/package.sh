#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the Debian package somnelle_<version>_<arch>.deb into build-package/.
#   scripts/package.sh
# Install it with: sudo apt install ./build-package/somnelle_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh build-package -DCMAKE_INSTALL_PREFIX=/usr -DBUILD_TESTING=OFF
(cd build-package && cpack -G DEB >/dev/null)
ls build-package/somnelle_*.deb
