#!/usr/bin/env bash
# Builds the fuzz targets with clang in BUILD_DIR and runs each for SECONDS
# on a scratch copy of its seed corpus; a crash leaves its input in
# BUILD_DIR/artifacts/. Exits 77 (skipped) where clang or libFuzzer is missing.
# With KANMERI_FUZZ_RUNS=N each target runs N inputs instead, however long
# that takes.
#
#   fuzz/run_fuzz.sh BUILD_DIR [SECONDS] [CLANGXX]
#   KANMERI_FUZZ_RUNS=10000000 fuzz/run_fuzz.sh BUILD_DIR
set -euo pipefail
src=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
build=$1
secs=${2:-5}
runs=${KANMERI_FUZZ_RUNS:-}
if [[ -n "$runs" ]]; then
    limit=(-runs="$runs")
    what="$runs inputs"
else
    limit=(-max_total_time="$secs")
    what="${secs} s"
fi
clangxx=${3:-$(command -v clang++ || command -v clang++-14 || true)}

if [[ -z "$clangxx" || ! -x "$clangxx" ]]; then
    echo "skipped: no clang++ to build the fuzz targets with"
    exit 77
fi
if ! echo 'extern "C" int LLVMFuzzerTestOneInput(const char*, unsigned long) { return 0; }' |
    "$clangxx" -x c++ -fsanitize=fuzzer -o /dev/null - 2>/dev/null; then
    echo "skipped: $clangxx cannot link -fsanitize=fuzzer (install libclang-rt-14-dev)"
    exit 77
fi

# The test environment's sanitizer options are meant for kanmeri's own
# binaries; the fuzz targets run with their defaults.
unset ASAN_OPTIONS UBSAN_OPTIONS LSAN_OPTIONS

mkdir -p "$build"
cmake -S "$src" -B "$build" -DCMAKE_CXX_COMPILER="$clangxx" >"$build/configure.log" 2>&1 ||
    { cat "$build/configure.log"; exit 1; }
cmake --build "$build" -j2

mkdir -p "$build/artifacts"
status=0
for target in fuzz_date_entry fuzz_number_entry; do
    scratch=$(mktemp -d)
    echo "== $target for $what"
    if ! "$build/$target" "${limit[@]}" -print_final_stats=1 \
        -artifact_prefix="$build/artifacts/$target-" "$scratch" "$src/corpus/$target" \
        >"$build/$target.log" 2>&1; then
        tail -n 40 "$build/$target.log"
        status=1
    fi
    grep -E '^(Done|stat::number_of_executed_units)' "$build/$target.log" || true
    rm -rf "$scratch"
done
exit "$status"
