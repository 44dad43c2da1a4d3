#!/usr/bin/env bash
# Installs what is missing, builds, and starts Tessival.
set -euo pipefail
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
"$ROOT/scripts/setup.sh"
"$ROOT/scripts/build.sh"
BIN="${BUILD_DIR:-$ROOT/build}/bin/tessival"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No graphical display found (DISPLAY is not set): starting Tessival under a virtual display (xvfb-run)."
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$BIN"
fi
exec "$BIN"
