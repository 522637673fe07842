#!/usr/bin/env bash
# Installs every Debian package the project needs (apt-get, only what is missing),
# then configures and builds both trees: build/native (portable code, sanitizers) and
# build/windows (the program, cross-built with mingw-w64), and prepares the Wine prefix.
# Safe to run again: it installs and rebuilds only what changed.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

packages=(
    build-essential cmake ninja-build git python3 time procps
    mingw-w64 wine wine64 xvfb xauth imagemagick
    googletest libgtest-dev libgmock-dev libbenchmark-dev
    clang libclang-rt-14-dev llvm-14
    genisoimage xorriso p7zip-full python3-pycdlib
    nginx-light libpugixml-dev
)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

cd "$root"
if [ ! -f build/native/build.ninja ]; then
    cmake -S . -B build/native -G Ninja -DCMAKE_BUILD_TYPE=Debug
fi
if [ ! -f build/windows/build.ninja ]; then
    cmake -S . -B build/windows -G Ninja -DCMAKE_BUILD_TYPE=Release \
          -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake
fi
cmake --build build/native
cmake --build build/windows

# The first Wine start builds the prefix inside build/ (about half a minute).
tools/wine-exec cmd /c exit >/dev/null 2>&1 || true
echo "Build ready: build/windows/bin/quillon.exe"
