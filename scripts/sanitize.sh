#!/usr/bin/env bash
# Builds the project with AddressSanitizer and UndefinedBehaviorSanitizer into
# build-asan/ (or $ASAN_BUILD_DIR) and runs the whole test suite there. Any
# report fails its test; scripts/sanitizers/*.supp list what is not ours.
set -euo pipefail
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
BUILD_DIR="${ASAN_BUILD_DIR:-$ROOT/build-asan}"
SUPP="$ROOT/scripts/sanitizers"
cmake -S "$ROOT" -B "$BUILD_DIR" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTESSIVAL_SANITIZE=ON \
      -DTESSIVAL_WERROR="${TESSIVAL_WERROR:-OFF}" >/dev/null
cmake --build "$BUILD_DIR" -j"$(nproc)"
export ASAN_OPTIONS="detect_leaks=1:check_initialization_order=1:strict_init_order=1:detect_stack_use_after_return=1"
export LSAN_OPTIONS="suppressions=$SUPP/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="suppressions=$SUPP/ubsan.supp:print_stacktrace=1:halt_on_error=1"
cd "$BUILD_DIR"
ctest --output-on-failure -j"$(nproc)"
