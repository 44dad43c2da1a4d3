#!/usr/bin/env bash
# Start-up benchmark on a virtual display: bench/run-startup.sh [runs]
# Launch to the main window's X map against a bare Qt window with one button,
# alternating, at least 15 runs each; peak RSS over the first 1.5 s; and, with
# valgrind installed, the instructions of each until the map.
set -euo pipefail
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
BUILD_DIR="${BUILD_DIR:-$ROOT/build}"
RUNS="${1:-30}"
if [ "$RUNS" -lt 15 ]; then RUNS=15; fi
cmake --build "$BUILD_DIR" -j"$(nproc)" --target tessival bench_startup bench_bare_window >/dev/null
exec xvfb-run -a -s "-screen 0 1280x1024x24" "$BUILD_DIR/bin/bench_startup" "$RUNS"
