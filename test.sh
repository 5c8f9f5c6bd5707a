#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test, once under the C locale and
# once under a German one. Exits non-zero on any failure.
set -euo pipefail
MORVANTO_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$MORVANTO_ROOT/scripts/common.sh"

BUILD=${MORVANTO_BUILD_DIR:-$MORVANTO_ROOT/build}
morvanto_pakete_sicherstellen
morvanto_deutsche_locale_sicherstellen
morvanto_bauen "$BUILD" "$@"

export QT_QPA_PLATFORM=offscreen
echo "== tests (LANG=C.UTF-8)"
LANG=C.UTF-8 LC_ALL=C.UTF-8 ctest --test-dir "$BUILD" --output-on-failure -j "$(nproc)"
echo "== tests (LANG=de_DE.UTF-8)"
LANG=de_DE.UTF-8 LC_ALL=de_DE.UTF-8 ctest --test-dir "$BUILD" --output-on-failure -j "$(nproc)"
