#!/usr/bin/env bash
# Builds the Debian package from a clean copy of the tree in a temporary directory, checks it
# with lintian (any error or warning fails) and puts the .deb files in dist/ (or
# $DIMLET_DIST_DIR). Installs the packaging tools and build dependencies that are missing,
# unless --no-install is given.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
dist="${DIMLET_DIST_DIR:-$root/dist}"
install=1
if [ "${1:-}" = --no-install ]; then install=0; fi

sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi
if [ "$install" = 1 ]; then
    "$root/scripts/deps.sh" --package
fi
for tool in dpkg-buildpackage dh lintian; do
    command -v "$tool" >/dev/null || { echo "package: $tool is missing" >&2; exit 1; }
done

work="$(mktemp -d "${TMPDIR:-/tmp}/dimlet-package.XXXXXX")"
trap 'rm -rf "$work"' EXIT
# dpkg-buildpackage writes its results next to the source, so the source is a copy.
src="$work/dimlet"
mkdir "$src"
tar -C "$root" --exclude='./build*' --exclude=./dist --exclude=./.git --exclude=./.cache \
    --exclude=./out -cf - . | tar -C "$src" -xf -

cd "$src"
if ! dpkg-checkbuilddeps 2>/dev/null; then
    if [ "$install" = 1 ]; then
        "${sudo_cmd[@]}" apt-get update -qq
        DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get build-dep -y -qq ./
    else
        dpkg-checkbuilddeps
    fi
fi

export DEB_BUILD_OPTIONS="parallel=$(nproc) ${DEB_BUILD_OPTIONS:-}"
dpkg-buildpackage -us -uc -b >"$work/build.log" 2>&1 || {
    tail -60 "$work/build.log"
    echo "package: dpkg-buildpackage failed" >&2
    exit 1
}

changes=("$work"/dimlet_*.changes)
echo "lintian ${changes[0]##*/}:"
lintian --fail-on error,warning --display-info "${changes[0]}"

mkdir -p "$dist"
for deb in "$work"/*.deb; do
    cp "$deb" "$dist"/
    echo "package: $dist/${deb##*/}"
done
