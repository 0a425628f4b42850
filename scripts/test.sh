#!/usr/bin/env bash
# Builds the sanitizer test build (the benchmarks are compiled too, not run) and runs every test through
# CTest, then the fuzz harnesses briefly.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake --preset asan >/dev/null
cmake --build --preset asan
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
ctest --preset asan
scripts/fuzz.sh "${HMI_FUZZ_SECONDS:-10}"
