#!/usr/bin/env bash
# Installs the build into a temporary root and checks that exactly the expected files land
# there (the two programs, no test or tool), that each PNG icon is as large as its folder
# says, and that the installed desktop entry, metadata and icons agree with one another.
# Usage: check-install.sh BUILD_DIR
set -euo pipefail
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
DESTDIR="$root" cmake --install "$1" --prefix /usr >/dev/null
id=io.kestrune.Kestrune
sizes="16 22 24 32 48 64 128 256"
expected="bin/kestrune
bin/kestrune-cli
share/applications/$id.desktop
share/icons/hicolor/scalable/apps/$id.svg
share/man/man1/kestrune-cli.1
share/metainfo/$id.metainfo.xml"
for s in $sizes; do expected+=$'\n'"share/icons/hicolor/${s}x${s}/apps/$id.png"; done
found=$(cd "$root" && find . -type f -o -type l | sed 's|^\./usr/||' | sort)
if ! diff -u <(sort <<<"$expected") - <<<"$found"; then
  echo "installed files differ from the expected ones (- expected, + installed)"
  exit 1
fi
for s in $sizes; do
  # A PNG's width and height are the big-endian words at bytes 16 and 20.
  read -r w h < <(od -An -tu1 -j16 -N8 "$root/usr/share/icons/hicolor/${s}x${s}/apps/$id.png" |
    awk '{print $3 * 256 + $4, $7 * 256 + $8}')
  [ "$w $h" = "$s $s" ] || { echo "the ${s}x${s} icon is ${w}x${h}"; exit 1; }
done
if ! grep -qx "Icon=$id" "$root/usr/share/applications/$id.desktop"; then
  echo "the desktop entry names another icon"
  exit 1
fi
appstreamcli validate-tree --no-net --strict "$root"
