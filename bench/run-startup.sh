#!/usr/bin/env bash
# Start-up benchmark under a virtual display: bench/run-startup.sh [runs]
set -euo pipefail
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
BUILD_DIR="${BUILD_DIR:-$ROOT/build}"
cmake --build "$BUILD_DIR" -j"$(nproc)" --target bench_startup bench_startup_app bench_bare_window >/dev/null
exec xvfb-run -a -s "-screen 0 1280x1024x24" "$BUILD_DIR/bin/bench_startup" "${1:-15}"
