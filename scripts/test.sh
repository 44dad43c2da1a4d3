#!/usr/bin/env bash
# Installs what is missing, builds, and runs the whole test suite; then builds
# the same suite with AddressSanitizer and UndefinedBehaviorSanitizer and runs
# it (scripts/sanitize.sh), and runs every fuzz target for 60 s (scripts/fuzz.sh).
#   scripts/test.sh --quick    the first build and its test suite only
set -euo pipefail
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
"$ROOT/scripts/setup.sh"
"$ROOT/scripts/build.sh"
(cd "${BUILD_DIR:-$ROOT/build}" && ctest --output-on-failure -j"$(nproc)")
[ "${1:-}" = "--quick" ] && exit 0
"$ROOT/scripts/sanitize.sh"
"$ROOT/scripts/fuzz.sh" 60
