#!/usr/bin/env bash
# The cross Qt for 64-bit Windows, built from Debian's qt6-base source once per machine
# and kept in /var/cache/morvanto (not /tmp: that is emptied at boot), keyed by version,
# options, patches and toolchain, so that every later run and every fresh clone (CI's)
# reuses it. Prints the Qt prefix as its only line on stdout; progress goes to stderr.
set -euo pipefail
MORVANTO_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

QT_VERSION=6.4.2
QT_DEBIAN_VERSION=6.4.2+dfsg-10
CACHE=${MORVANTO_CACHE:-/var/cache/morvanto}
TOOLCHAIN=$MORVANTO_ROOT/cmake/mingw-w64-x86_64.cmake

# The smallest Qt the programs need: Core, Gui, Widgets, Network, Test and the windows
# and offscreen platforms. Tablets off (wintab.h is missing from the source); direct2d
# stays on, qwindows.dll does not link without it.
QT_OPTIONEN=(-release -shared -xplatform win32-g++ -qt-host-path /usr
             -nomake examples -nomake tests -no-opengl -no-feature-vulkan -no-dbus
             -no-feature-sql -no-ssl -no-openssl -no-feature-schannel
             -no-feature-tabletevent -no-feature-printsupport -no-feature-concurrent
             -no-feature-xml -no-icu -no-zstd -no-pkg-config
             -qt-zlib -qt-pcre -qt-libpng -qt-libjpeg -qt-freetype -qt-harfbuzz
             -qt-doubleconversion)
# Debian's fixes apply, except the two that serve Debian's own cross packages.
PATCHES_AUSGELASSEN=(cross.patch force_shared_libzstd.patch)
source "$MORVANTO_ROOT/scripts/common.sh"
MORVANTO_PAKETE=(g++-mingw-w64-x86-64-posix ninja-build cmake qt6-base-dev qt6-base-dev-tools
        dpkg-dev patch perl ccache)

melden() { echo "windows-qt: $*" >&2; }

schluessel() {
    { echo "$QT_DEBIAN_VERSION"; echo "${QT_OPTIONEN[*]}"; echo "${PATCHES_AUSGELASSEN[*]}"
      cat "$TOOLCHAIN"; x86_64-w64-mingw32-g++-posix -dumpfullversion; } \
        | sha256sum | cut -c1-12
}

# Debian's default sources carry no deb-src line; a private configuration with its own
# state folder fetches the source without touching the system's apt.
quelle_holen() {
    local ziel=$1 apt=$CACHE/apt spiegel
    [ -f "$ziel/qt6-base_${QT_DEBIAN_VERSION}.dsc" ] && return 0
    spiegel=$(sed -n 's/^URIs: *//p' /etc/apt/sources.list.d/debian.sources 2>/dev/null | head -n1)
    mkdir -p "$apt/lists/partial" "$apt/cache/archives/partial" "$ziel"
    echo "deb-src ${spiegel:-http://deb.debian.org/debian} bookworm main" > "$apt/sources.list"
    local opt=(-o Dir::Etc::SourceList="$apt/sources.list" -o Dir::Etc::SourceParts=/dev/null
               -o Dir::State::Lists="$apt/lists" -o Dir::Cache="$apt/cache")
    apt-get "${opt[@]}" -qq update
    (cd "$ziel" && apt-get "${opt[@]}" -qq source --download-only "qt6-base=$QT_DEBIAN_VERSION")
}

auspacken() {
    local quellen=$1 baum=$2 p
    rm -rf "$baum"
    mkdir -p "$(dirname "$baum")"
    dpkg-source --skip-patches -x "$quellen/qt6-base_${QT_DEBIAN_VERSION}.dsc" "$baum" >/dev/null
    while read -r p; do
        p=${p%%#*}; p=${p%% *}
        [ -n "$p" ] || continue
        [[ " ${PATCHES_AUSGELASSEN[*]} " == *" $(basename "$p") "* ]] && continue
        patch -d "$baum" -p1 -s < "$baum/debian/patches/$p"
    done < "$baum/debian/patches/series"
}

bauen() {
    local prefix=$1 bau=$2 protokoll=$2/protokoll.txt
    local launcher=()
    command -v ccache >/dev/null && launcher=(-ccache)
    # The build path stays the same for one key: ccache hits only there.
    export CCACHE_SLOPPINESS=pch_defines,time_macros,include_file_mtime,include_file_ctime
    # Qt's own toolchain file names this one by its path: it lives with the prefix, not
    # in a clone that may be gone.
    mkdir -p "$bau/bau" "$prefix"
    cp "$TOOLCHAIN" "$prefix/mingw-w64-x86_64.cmake"
    melden "configuring (log: $protokoll)"
    (cd "$bau/bau" && "$bau/qtbase/configure" -prefix "$prefix" "${QT_OPTIONEN[@]}" \
        "${launcher[@]}" -- -G Ninja -DCMAKE_TOOLCHAIN_FILE="$prefix/mingw-w64-x86_64.cmake" \
        -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake) > "$protokoll" 2>&1 \
        || { tail -n 40 "$protokoll" >&2; exit 1; }
    melden "building, about 12 minutes on two cores the first time"
    cmake --build "$bau/bau" --parallel "$(nproc)" >> "$protokoll" 2>&1 \
        || { tail -n 40 "$protokoll" >&2; exit 1; }
    cmake --install "$bau/bau" >> "$protokoll" 2>&1 || { tail -n 40 "$protokoll" >&2; exit 1; }
}

main() {
    morvanto_pakete_sicherstellen >&2
    local key prefix bau
    key=$(schluessel)
    prefix=$CACHE/qt-$QT_VERSION-mingw-$key
    # The stamp is written last: a prefix without it is a broken run and is rebuilt.
    if [ -f "$prefix/.morvanto-fertig" ]; then
        echo "$prefix"
        return 0
    fi
    bau=$CACHE/bau-qt-$key
    mkdir -p "$CACHE"
    exec 9> "$CACHE/qt-$key.lock"
    flock 9
    if [ ! -f "$prefix/.morvanto-fertig" ]; then
        rm -rf "$prefix"
        quelle_holen "$CACHE/quellen"
        auspacken "$CACHE/quellen" "$bau/qtbase"
        bauen "$prefix" "$bau"
        touch "$prefix/.morvanto-fertig"
        rm -rf "$bau"
        melden "installed in $prefix"
    fi
    echo "$prefix"
}

main "$@"
