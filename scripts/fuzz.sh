#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for a bounded time (FUZZ_SECONDS, default 60).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$root/build/fuzz"
seconds="${FUZZ_SECONDS:-60}"
bash "$root/scripts/setup.sh"
CXX=clang++ cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZIELMARK_FUZZ=ON \
    -DZIELMARK_SANITIZE=address,undefined >/dev/null
cmake --build "$build" -j "$(nproc)"
for corpus in "$root"/tests/fuzz/corpus/*/; do
    name="$(basename "$corpus")"
    work="$build/corpus/$name"
    mkdir -p "$work"
    echo "== fuzz_$name for ${seconds}s =="
    "$build/tests/fuzz/fuzz_$name" -max_total_time="$seconds" -timeout=10 -print_final_stats=1 \
        "$work" "$corpus" 2>&1 | tail -n 12
done
