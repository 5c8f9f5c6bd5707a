#!/usr/bin/env bash
# Installs what is missing, builds, and starts Morvanto in the current directory,
# where the session files land.
set -euo pipefail
MORVANTO_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$MORVANTO_ROOT/scripts/common.sh"

morvanto_pakete_sicherstellen
morvanto_bauen "$MORVANTO_ROOT/build" >/dev/null

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "morvanto: no display found (DISPLAY is not set); start it with: xvfb-run ./run.sh" >&2
    exit 1
fi
exec "$MORVANTO_ROOT/build/app/morvanto" "$@"
