#!/usr/bin/env bash
# Configures and builds into build/ (or $BUILD_DIR); TESSIVAL_WERROR=ON makes
# any compiler warning fail the build (scripts/test.sh, and so CI).
set -euo pipefail
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
BUILD_DIR="${BUILD_DIR:-$ROOT/build}"
cmake -S "$ROOT" -B "$BUILD_DIR" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
      -DTESSIVAL_WERROR="${TESSIVAL_WERROR:-OFF}" >/dev/null
cmake --build "$BUILD_DIR" -j"$(nproc)"
