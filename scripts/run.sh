#!/usr/bin/env bash
# Installs what is missing, builds and starts Dimlet.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$root/scripts/deps.sh"
"$root/scripts/build.sh"
exec "${DIMLET_BUILD_DIR:-$root/build}/dimlet"
