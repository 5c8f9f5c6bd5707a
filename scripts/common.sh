# Shared by run.sh, test.sh and .ci/run: installs what is missing, then builds.
# Sourced, not run; expects MORVANTO_ROOT to be set.

# poppler-utils: the tests read the research companion's PDF reports back with pdftotext.
# mpv: the coupling tests drive a real player, headless.
# python3-statsmodels: an independent reference for the companion's figures in the tests.
MORVANTO_PAKETE=(cmake make g++ qt6-base-dev qt6-base-dev-tools qt6-svg-dev
                 fonts-liberation locales xvfb xauth poppler-utils
                 dpkg-dev lintian desktop-file-utils appstream man-db mpv ccache
                 python3-statsmodels)

morvanto_pakete_sicherstellen() {
    local fehlend=() p
    for p in "${MORVANTO_PAKETE[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' \
            || fehlend+=("$p")
    done
    [ ${#fehlend[@]} -eq 0 ] && return 0
    echo "morvanto: installing ${fehlend[*]}"
    if [ "$(id -u)" -ne 0 ]; then
        echo "morvanto: missing packages (${fehlend[*]}); run this script as root once" >&2
        return 1
    fi
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends "${fehlend[@]}" >/dev/null
}

# The tests prove that a German locale (decimal comma in C's printf) changes nothing.
morvanto_deutsche_locale_sicherstellen() {
    locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$' && return 0
    [ "$(id -u)" -eq 0 ] || { echo "morvanto: de_DE.UTF-8 locale missing" >&2; return 1; }
    sed -i 's/^# *\(de_DE\.UTF-8 UTF-8\)/\1/' /etc/locale.gen
    grep -q '^de_DE\.UTF-8 UTF-8' /etc/locale.gen || echo 'de_DE.UTF-8 UTF-8' >> /etc/locale.gen
    locale-gen >/dev/null
}

# morvanto_konfigurieren BUILD_DIR [cmake options...]
morvanto_konfigurieren() {
    local dir=$1; shift
    if [ ! -f "$dir/CMakeCache.txt" ]; then
        # ccache keeps rebuilds of a fresh clone (CI's) short; paths below the clone's
        # parent are hashed relatively, so clones in other folders share the cache.
        local starter=()
        command -v ccache >/dev/null && starter=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
        cmake -S "$MORVANTO_ROOT" -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo "${starter[@]}" "$@" >/dev/null
    fi
}

# morvanto_bauen BUILD_DIR [cmake options...]: everything, tests and benchmarks included
morvanto_bauen() {
    morvanto_konfigurieren "$@"
    export CCACHE_BASEDIR=${CCACHE_BASEDIR:-$(dirname "$MORVANTO_ROOT")}
    cmake --build "$1" -j "$(nproc)" -- --no-print-directory
}
