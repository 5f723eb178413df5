#!/usr/bin/env bash
# Installs the Debian packages the build needs (skipped when all are present), then configures and builds
# into build/ (or $DLX_BUILD_DIR). Safe to run again; no questions asked.
set -euo pipefail
cd "$(dirname "$0")/.."

# One package per line, so that additions never collide.
packages=(
    qt6-base-dev
    libgtest-dev
    libgmock-dev
    libbenchmark-dev
    clang
    cmake
    ninja-build
    g++
    fonts-thai-tlwg
    xvfb
    xauth
    poppler-utils
    imagemagick
    python3
    x11-xkb-utils
    libx11-dev
    clang-format
    desktop-file-utils
    appstream
    dpkg-dev
    file
    groff-base
    qt6-l10n-tools
    libthai-dev
    pkg-config
    libqt6sql6-sqlite
)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
    echo "Installing: ${missing[*]}"
    SUDO=""
    [ "$(id -u)" -eq 0 ] || SUDO="sudo"
    $SUDO apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq "${missing[@]}"
fi

build="${DLX_BUILD_DIR:-build}"
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S . -B "$build" -G Ninja "${launcher[@]}" -DCMAKE_BUILD_TYPE="${DLX_BUILD_TYPE:-RelWithDebInfo}" ${DLX_CMAKE_ARGS:-} >/dev/null
cmake --build "$build" -j"${DLX_JOBS:-2}"
