#!/usr/bin/env bash
# Windows in one command: the cross Qt (from its cache, or built once, about 12 minutes),
# the programs for 64-bit Windows, their tests under Wine, the setup program and the
# portable zip. Run as root once on a fresh Debian 12 for the packages.
# MORVANTO_WINDOWS_BUILD_DIR chooses the build folder (build-windows).
set -euo pipefail
MORVANTO_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
source "$MORVANTO_ROOT/scripts/common.sh"

# qt6-base-dev and qt6-svg-dev of common.sh build the icon rasterizer for this machine.
MORVANTO_PAKETE+=(g++-mingw-w64-x86-64-posix wine64 nsis ninja-build dpkg-dev patch)
BUILD=${MORVANTO_WINDOWS_BUILD_DIR:-$MORVANTO_ROOT/build-windows}
export CCACHE_BASEDIR=${CCACHE_BASEDIR:-$(dirname "$MORVANTO_ROOT")}

morvanto_pakete_sicherstellen
QT=$("$MORVANTO_ROOT/scripts/windows-qt.sh")

if [ ! -f "$BUILD/CMakeCache.txt" ]; then
    starter=()
    command -v ccache >/dev/null && starter=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
    # Qt's toolchain file chains to the MinGW one and finds the host tools (moc, rcc).
    cmake -S "$MORVANTO_ROOT" -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE="$QT/lib/cmake/Qt6/qt.toolchain.cmake" "${starter[@]}" "$@" \
        > /dev/null
fi
echo "== Windows: programs and tests"
cmake --build "$BUILD" -j "$(nproc)"
echo "== Windows: setup program and portable zip"
cmake --build "$BUILD" --target morvanto_setup morvanto_zip
echo "== Windows: tests under Wine"
ctest --test-dir "$BUILD" --output-on-failure -j "$(nproc)"
ls -l "$BUILD"/Morvanto-*-Setup.exe "$BUILD"/Morvanto-*-portabel.zip
