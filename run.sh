#!/usr/bin/env bash
# Installs what is missing, builds, and starts Morvanto in the current directory,
# where the session files land.
set -euo pipefail
MORVANTO_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$MORVANTO_ROOT/scripts/common.sh"

BUILD=$MORVANTO_ROOT/build
morvanto_pakete_sicherstellen
morvanto_konfigurieren "$BUILD"
# Only the two programs: the tests are test.sh's business. Quiet unless it fails.
if ! cmake --build "$BUILD" -j "$(nproc)" --target morvanto morvanto-auswertung \
        > "$BUILD/run-build.log" 2>&1; then
    tail -n 30 "$BUILD/run-build.log" >&2
    echo "morvanto: the build failed; the whole log is $BUILD/run-build.log" >&2
    exit 1
fi

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "morvanto: no display found (DISPLAY is not set); start it with: xvfb-run ./run.sh" >&2
    exit 1
fi
exec "$BUILD/app/morvanto" "$@"
