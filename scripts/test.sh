#!/usr/bin/env bash
# Installs what is missing (the packaging tools too), builds and runs the whole test suite:
# first under the sanitizers (scripts/sanitize.sh; DIMLET_SKIP_SANITIZE=1 skips it), then the
# normal build, whose ctest summary is the last line printed. Fails when either run fails.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${DIMLET_BUILD_DIR:-$root/build}"
"$root/scripts/deps.sh" --package
"$root/scripts/build.sh"

sanitized=0
if [ "${DIMLET_SKIP_SANITIZE:-0}" = 1 ]; then
    echo "sanitize: skipped (DIMLET_SKIP_SANITIZE=1)"
else
    "$root/scripts/sanitize.sh" || sanitized=$?
fi

cd "$build"
status=0
ctest --output-on-failure --timeout 300 -j "$(nproc)" || status=$?
[ "$sanitized" -eq 0 ] || exit "$sanitized"
exit "$status"
