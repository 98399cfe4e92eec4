#!/usr/bin/env bash
# Installs the Debian packages Dimlet needs to build, run and test, only those missing;
# with --package also the tools that build and check the Debian package.
set -euo pipefail

packages=(build-essential cmake qtbase5-dev qttools5-dev qttools5-dev-tools qtbase5-dev-tools qttranslations5-l10n
          libx11-dev fonts-liberation fonts-noto-cjk xvfb xauth xdotool dbus-daemon libglib2.0-bin desktop-file-utils appstream)
if [ "${1:-}" = --package ]; then
    packages+=(dpkg-dev debhelper lintian)
fi

missing=()
for pkg in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$pkg")
    fi
done

if [ ${#missing[@]} -gt 0 ]; then
    sudo_cmd=()
    if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi
    echo "Installing: ${missing[*]}"
    "${sudo_cmd[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
