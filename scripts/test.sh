#!/usr/bin/env bash
# Installs what is missing, builds and runs the whole test suite.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${DIMLET_BUILD_DIR:-$root/build}"
"$root/scripts/deps.sh"
"$root/scripts/build.sh"
cd "$build"
ctest --output-on-failure --timeout 300 -j "$(nproc)"
