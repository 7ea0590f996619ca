#!/usr/bin/env bash
# Builds the fuzz targets with clang, libFuzzer, AddressSanitizer and UndefinedBehaviorSanitizer
# in build-fuzz/, then runs each for a bounded time on a fresh copy of its seed corpus.
# A crash, a sanitizer report or a hang of any target fails the script.
#   fuzz/run.sh [seconds per target, default 60]
set -euo pipefail

seconds=${1:-60}
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"

targets=(fuzz_numtext fuzz_press)
build=build-fuzz

cmake -S . -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DTERMIKA_FUZZ=ON -DTERMIKA_GUI=OFF -DTERMIKA_BENCH=OFF
cmake --build "$build" --target "${targets[@]}" -j "$(nproc)"

export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
failed=()
for target in "${targets[@]}"; do
    # The committed seeds stay as they are; what the run finds goes into the copy.
    work=$build/fuzz-run/$target
    rm -rf "$work"
    mkdir -p "$work/artifacts"
    cp -r "fuzz/corpus/$target" "$work/corpus"
    echo "== $target for ${seconds} s"
    if ! "$build/fuzz/$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
        -print_final_stats=1 -artifact_prefix="$work/artifacts/" "$work/corpus" \
        >"$work/log" 2>&1; then
        tail -n 60 "$work/log"
        failed+=("$target")
        continue
    fi
    grep -E '^(Done|stat::number_of_executed_units)' "$work/log" || true
done

if ((${#failed[@]})); then
    echo "Fuzzing failed: ${failed[*]} (inputs in $build/fuzz-run/<target>/artifacts/)" >&2
    exit 1
fi
echo "Fuzzing found nothing."
