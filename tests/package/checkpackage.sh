#!/usr/bin/env bash
# Builds the Debian package with scripts/package.sh (which fails on any lintian error or
# warning), unpacks it into a scratch root and has the packaged dimlet-render draw a document.
# Exits 77 (skipped) when the packaging tools are not installed.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
for tool in dpkg-buildpackage dh lintian; do
    if ! command -v "$tool" >/dev/null; then
        echo "package: $tool is not installed (bash scripts/deps.sh --package); skipped"
        exit 77
    fi
done

work="$(mktemp -d /tmp/dimlet-package-test.XXXXXX)"
trap 'rm -rf "$work"' EXIT
DIMLET_DIST_DIR="$work/dist" bash "$root/scripts/package.sh" --no-install

debs=("$work"/dist/dimlet_*.deb)
[ ${#debs[@]} -eq 1 ] || { echo "expected one dimlet .deb, found: ${debs[*]}"; exit 1; }
dpkg-deb -x "${debs[0]}" "$work/root"

# PNG width and height from the header chunk, as "W H".
png_size() {
    [ "$(head -c 8 "$1" | od -An -tx1 | tr -d ' \n')" = 89504e470d0a1a0a ] || return 1
    od -An -tu4 --endian=big -j16 -N8 "$1" | xargs
}

# Four bytes, big-endian: the length in front of each block of a document.
be32() {
    printf "$(printf '\\%03o\\%03o\\%03o\\%03o' $(($1 >> 24 & 255)) $(($1 >> 16 & 255)) \
        $(($1 >> 8 & 255)) $(($1 & 255)))"
}

# A non-square picture with the marks of a committed document: its picture block is
# swapped, the marks block after it kept.
picture="$root/resources/images/DLLenLeftside.png"
corpus="$root/fuzz/corpus/document/many-marks-png.dld"
corpus_picture_bytes=$(od -An -tu4 --endian=big -N4 "$corpus" | xargs)
{
    be32 "$(stat -c %s "$picture")"
    cat "$picture"
    tail -c +$((4 + corpus_picture_bytes + 1)) "$corpus"
} >"$work/shot.dld"

mkdir -p "$work/home" && mkdir -m 700 "$work/runtime"
HOME="$work/home" XDG_DATA_HOME= XDG_CONFIG_HOME= XDG_RUNTIME_DIR="$work/runtime" TMPDIR="$work" \
    "$work/root/usr/bin/dimlet-render" "$work/shot.dld" "$work/shot.png"
expected="$(png_size "$picture")"
actual="$(png_size "$work/shot.png")" || { echo "dimlet-render wrote no PNG"; exit 1; }
if [ "$actual" != "$expected" ]; then
    echo "dimlet-render drew $actual, the picture is $expected"
    exit 1
fi
echo "package: the packaged dimlet-render drew a $actual PNG"
