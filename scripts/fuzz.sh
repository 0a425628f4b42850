#!/usr/bin/env bash
# Builds the libFuzzer harnesses with clang and runs each one briefly over its stored inputs.
# Usage: scripts/fuzz.sh [SECONDS per harness, default 15]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-15}
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz --target fuzzers
shopt -s nullglob
status=0
for harness in build/fuzz/fuzz/*; do
    [ -x "$harness" ] || continue
    name=$(basename "$harness")
    corpus=tests/fuzz/corpus/$name
    work=build/fuzz/corpus/$name
    mkdir -p "$work"
    echo "fuzz: $name for ${seconds}s"
    dirs=("$work")
    [ -d "$corpus" ] && dirs+=("$corpus")
    if ! "$harness" -max_total_time="$seconds" -print_final_stats=0 -artifact_prefix="build/fuzz/$name-" "${dirs[@]}" >"build/fuzz/$name.log" 2>&1; then
        tail -n 40 "build/fuzz/$name.log"
        status=1
    fi
done
exit $status
