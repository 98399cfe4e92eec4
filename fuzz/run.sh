#!/usr/bin/env bash
# Builds the clang fuzz build (incremental, build-fuzz/ or $DIMLET_FUZZ_BUILD_DIR) and runs each
# fuzz target for a bounded time, starting from the committed corpus and every kept regression.
#   fuzz/run.sh [seconds per target, default 60] [target ...]   targets: document updateoffer
#                                                                preferences picture (default all)
# Coverage comes from our code only (Qt is not instrumented), so every seed is kept in the corpus.
# A crash input lands in <build>/artifacts/<target>/; keep it under fuzz/regressions/<target>/.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${DIMLET_FUZZ_BUILD_DIR:-$root/build-fuzz}"
seconds="${1:-60}"
shift || true
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(document updateoffer preferences picture)

if ! command -v clang++ >/dev/null; then
    echo "fuzz/run.sh: clang++ is not installed (Debian: clang libclang-rt-14-dev)" >&2
    exit 2
fi
cmake -S "$root" -B "$build" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DDIMLET_FUZZ=ON >/dev/null
cmake --build "$build" --parallel "${DIMLET_FUZZ_JOBS:-$(nproc)}" \
    --target "${targets[@]/#/fuzz_}" | grep -E 'error|warning' || true

export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1:allocator_may_return_null=1}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"
export LSAN_OPTIONS="${LSAN_OPTIONS:-suppressions=$root/tests/lsan.supp:print_suppressions=0}"
# The targets write a file per input; on a memory file system that costs no disk syncs.
if [ -z "${DIMLET_FUZZ_TMPDIR:-}" ] && [ -d /dev/shm ] && [ -w /dev/shm ]; then
    DIMLET_FUZZ_TMPDIR=/dev/shm
fi
export TMPDIR="${DIMLET_FUZZ_TMPDIR:-${TMPDIR:-/tmp}}"
# The test suite asks for a fixed seed and a fixed number of runs from the committed inputs
# alone, so the same tree always fuzzes the same inputs and a run cannot fail by chance.
limit=(-max_total_time="$seconds")
[ -n "${DIMLET_FUZZ_RUNS:-}" ] && limit=(-runs="$DIMLET_FUZZ_RUNS")
[ -n "${DIMLET_FUZZ_SEED:-}" ] && limit+=(-seed="$DIMLET_FUZZ_SEED")
corpora="${DIMLET_FUZZ_CORPUS_DIR:-$build/corpus}"
[ -n "${DIMLET_FUZZ_CORPUS_DIR:-}" ] && rm -rf "$corpora"
failed=0
for target in "${targets[@]}"; do
    corpus="$corpora/$target"
    artifacts="$build/artifacts/$target"
    mkdir -p "$corpus" "$artifacts"
    for seeds in "$root/fuzz/corpus/$target" "$root/fuzz/regressions/$target"; do
        [ -d "$seeds" ] && cp -n "$seeds"/* "$corpus"/ 2>/dev/null || true
    done
    log="$build/fuzz-$target.log"
    dict=()
    [ -f "$root/fuzz/dict/$target.dict" ] && dict=(-dict="$root/fuzz/dict/$target.dict")
    status=0
    "$build/fuzz/fuzz_$target" "$corpus" "${dict[@]}" "${limit[@]}" -timeout=30 -keep_seed=1 -cross_over_uniform_dist=1 \
        -rss_limit_mb=4096 -print_final_stats=1 -artifact_prefix="$artifacts/" >"$log" 2>&1 \
        || status=$?
    done_line="$(grep -E '^#[0-9]+[[:space:]]+DONE' "$log" | tail -1 || true)"
    echo "fuzz_$target: ${done_line:-no DONE line} (exit $status)"
    if [ "$status" -ne 0 ]; then
        failed=1
        grep -E 'ERROR|broken promise|SUMMARY|Test unit written' "$log" | head -20 || true
        echo "log: $log"
    fi
done
exit "$failed"
