#!/usr/bin/env bash
# Builds the whole test suite with AddressSanitizer, UndefinedBehaviorSanitizer and
# LeakSanitizer into build-asan/ (or $DIMLET_ASAN_BUILD_DIR, kept between runs so rebuilds are
# incremental) and runs it; any finding fails its test. Exits 0 without running when the
# compiler cannot link the sanitizer runtime.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${DIMLET_ASAN_BUILD_DIR:-$root/build-asan}"
cxx="${CXX:-c++}"

probe="$(mktemp -d)"
trap 'rm -rf "$probe"' EXIT
echo 'int main() { return 0; }' >"$probe/probe.cpp"
if ! "$cxx" -fsanitize=address,undefined "$probe/probe.cpp" -o "$probe/probe" 2>/dev/null; then
    echo "sanitize: $cxx cannot link the sanitizer runtime; skipped"
    exit 0
fi

start=$SECONDS
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DDIMLET_SANITIZE=ON >/dev/null
cmake --build "$build" --parallel "$(nproc)" >"$build/build.log" 2>&1 || {
    tail -50 "$build/build.log"
    exit 1
}
built=$SECONDS
status=0
(cd "$build" && ctest --output-on-failure --timeout 600 -j "$(nproc)") || status=$?
echo "sanitize: build $((built - start)) s, tests $((SECONDS - built)) s"
exit "$status"
