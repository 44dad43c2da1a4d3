#!/usr/bin/env bash
# Installs what is missing, builds, and runs the whole test suite; then builds
# the same suite with AddressSanitizer and UndefinedBehaviorSanitizer and runs
# it (scripts/sanitize.sh), and runs every fuzz target for 60 s (scripts/fuzz.sh).
#   scripts/test.sh --quick    the first build and its test suite only
set -euo pipefail
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
# Both builds fail on any compiler warning.
export TESSIVAL_WERROR=ON
stage() { echo "== $1 (${SECONDS} s so far)"; }
"$ROOT/scripts/setup.sh"
stage "build and test suite"
"$ROOT/scripts/build.sh"
(cd "${BUILD_DIR:-$ROOT/build}" && ctest --output-on-failure -j"$(nproc)")
[ "${1:-}" = "--quick" ] && exit 0
stage "sanitizer build and test suite"
"$ROOT/scripts/sanitize.sh"
stage "fuzzing"
"$ROOT/scripts/fuzz.sh" 60
