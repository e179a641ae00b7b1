#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs the Debian packages Somnelle needs (only those missing), then
# configures and builds into build/ (or the folder given, with any further
# arguments passed to CMake). Safe to run again.
#   scripts/setup.sh [--program] [FOLDER [CMAKE OPTIONS...]]
# --program: only what the program needs, and only the program is built (scripts/start.sh);
# otherwise the tests' services and tools too, and everything is built.
set -euo pipefail
cd "$(dirname "$0")/.."

program_only=false
if [ "${1:-}" = "--program" ]; then program_only=true; shift; fi

packages=(
    g++ cmake make pkgconf                   # the compiler and the build
    qt6-base-dev qt6-qpa-plugins libgl-dev   # Qt 6 Widgets and the X11 platform
    qt6-l10n-tools qt6-translations-l10n     # lrelease for our translations; Qt's own
    libxcb1-dev                               # startup notification and activation on X11
    libjpeg-dev                               # the sky picture's decoder
    libasound2-dev libpulse-dev               # the master volume; a fade talks to a sound server directly
    fonts-wine fonts-droid-fallback           # a font with Tahoma's metrics; Chinese and Japanese letters
    qt6-wayland                               # Qt's platform for a Wayland desktop
)
test_packages=(
    clang-format                              # CI holds the code to .clang-format
    pulseaudio pulseaudio-utils libasound2-plugins   # the tests' private sound servers: PulseAudio,
    pipewire pipewire-pulse wireplumber              # and PipeWire
    xvfb xauth x11-utils xdotool imagemagick  # screenshots and start-up benchmarks on a virtual display
    openbox                                   # a window manager with desktops, for bringing the window back
    weston xkb-data                           # a private headless Wayland compositor
    dbus-daemon dbus-bin python3-dbusmock tzdata   # the tests' private buses, mock logind and time zones
    libglib2.0-bin                            # gdbus: the tests call the panel indicator as a panel does
    at-spi2-core                              # the accessibility bus of a desktop, for the fade benchmark
    desktop-file-utils appstream lintian groff man-db dpkg-dev   # installing, packaging and their validators
)
$program_only || packages+=("${test_packages[@]}")

missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done

if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    export DEBIAN_FRONTEND=noninteractive
    if ! "${sudo[@]}" apt-get update -q || ! "${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"; then
        echo "error: could not install the Debian packages: ${missing[*]}" >&2
        echo "       install them by hand with apt-get, then run this again." >&2
        exit 1
    fi
fi

build=${1:-build}
shift || true
# $SOMNELLE_CMAKE_OPTIONS: more CMake options from the caller (CI: warnings as errors, benchmarks).
# shellcheck disable=SC2086
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo ${SOMNELLE_CMAKE_OPTIONS:-} "$@" >/dev/null
if $program_only; then
    cmake --build "$build" -j"$(nproc)" --target somnelle
else
    cmake --build "$build" -j"$(nproc)"
fi
