#!/usr/bin/env bash
# Builds the benchmarks in Release in build-bench/ and prints one table: every figure beside
# its baseline, both measured in this run, and their ratio. Extra arguments go to the
# benchmark program (Google Benchmark's, e.g. --benchmark_filter=open);
# DIMLET_BENCH_REPETITIONS sets how often each is repeated (default 7).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$root/build-bench"
"$root/scripts/deps.sh"
if ! dpkg-query -W -f='${Status}' libbenchmark-dev 2>/dev/null | grep -q "install ok installed"; then
    echo "Installing libbenchmark-dev"
    sudo_cmd=()
    if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi
    "${sudo_cmd[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends libbenchmark-dev
fi
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
if ! cmake --build "$build" --target bench_dimlet --parallel "$(nproc)" >"$build/bench-build.log" 2>&1; then
    cat "$build/bench-build.log" >&2
    exit 1
fi
echo "Running the benchmarks (several minutes; progress on stderr)..." >&2
"$build/bench/bench_dimlet" --benchmark_enable_random_interleaving=true "$@"
