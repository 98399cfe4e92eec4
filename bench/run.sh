#!/usr/bin/env bash
# Builds and runs the benchmarks in build/ (or $DIMLET_BUILD_DIR); extra arguments go to them,
# e.g. --benchmark_filter=column.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${DIMLET_BUILD_DIR:-$root/build}"
if ! dpkg-query -W -f='${Status}' libbenchmark-dev 2>/dev/null | grep -q "install ok installed"; then
    echo "Installing libbenchmark-dev"
    sudo_cmd=()
    if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi
    "${sudo_cmd[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends libbenchmark-dev
fi
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE="${CMAKE_BUILD_TYPE:-RelWithDebInfo}" >/dev/null
cmake --build "$build" --target bench_colorrun --parallel "$(nproc)"
QT_QPA_PLATFORM=offscreen "$build/bench/bench_colorrun" "$@"
