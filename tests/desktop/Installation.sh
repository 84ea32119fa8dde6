#!/usr/bin/env bash
# Installs the build into a temporary DESTDIR and checks what a desktop needs:
# the executable, a valid menu entry, a valid AppStream description that
# points at that entry, and the icon in every hicolor size at its true size.
#   Installation.sh <build folder>
set -euo pipefail

build="$1"
# The hicolor sizes a desktop picks from, from menus to software centres.
sizes=(16 24 32 48 64 128 256)

ziel="$(mktemp -d)"
trap 'rm -rf "$ziel"' EXIT
fehler=0
falsch() {
  echo "FAIL: $*" >&2
  fehler=1
}

DESTDIR="$ziel" cmake --install "$build" --prefix /usr >/dev/null
wurzel="$ziel/usr"
desktop="$wurzel/share/applications/quorbix.desktop"
metainfo="$wurzel/share/metainfo/org.example.quorbix.metainfo.xml"

[ -x "$wurzel/bin/quorbix" ] || falsch "bin/quorbix is missing or not executable"
[ -f "$desktop" ] || falsch "the desktop entry is missing"
[ -f "$metainfo" ] || falsch "the AppStream metainfo file is missing"
[ "$fehler" -eq 0 ] || exit 1

# Both validators, pedantic hints included: a clean file prints nothing but
# the success line.
if ! ausgabe="$(desktop-file-validate "$desktop" 2>&1)" || [ -n "$ausgabe" ]; then
  falsch "desktop-file-validate: $ausgabe"
fi
if ! ausgabe="$(appstreamcli validate --no-net --pedantic --strict "$metainfo" 2>&1)" ||
  grep -Eq '^ *[EWIP]:' <<<"$ausgabe"; then
  falsch "appstreamcli validate: $ausgabe"
fi
# The tree check finds the desktop entry the metainfo launches.
if ! ausgabe="$(appstreamcli validate-tree --no-net --pedantic --strict "$wurzel" 2>&1)" ||
  grep -Eq '^ *[EWIP]:' <<<"$ausgabe"; then
  falsch "appstreamcli validate-tree: $ausgabe"
fi

# The entry starts the installed program and names the installed icon.
exec_zeile="$(sed -n 's/^Exec=//p' "$desktop")"
icon_name="$(sed -n 's/^Icon=//p' "$desktop")"
[ -x "$wurzel/bin/${exec_zeile%% *}" ] || falsch "Exec=$exec_zeile is not the installed program"

# Every size is there, and a PNG of just that size (width and height are the
# big-endian words at bytes 16 and 20 of the header).
for n in "${sizes[@]}"; do
  bild="$wurzel/share/icons/hicolor/${n}x${n}/apps/$icon_name.png"
  if [ ! -f "$bild" ]; then
    falsch "icon ${n}x${n} is missing"
    continue
  fi
  kopf="$(od -An -tx1 -j0 -N8 "$bild" | tr -d ' \n')"
  [ "$kopf" = "89504e470d0a1a0a" ] || falsch "icon ${n}x${n} is not a PNG"
  breite=$((16#$(od -An -tx1 -j16 -N4 "$bild" | tr -d ' \n')))
  hoehe=$((16#$(od -An -tx1 -j20 -N4 "$bild" | tr -d ' \n')))
  [ "$breite" -eq "$n" ] && [ "$hoehe" -eq "$n" ] ||
    falsch "icon ${n}x${n} is ${breite}x${hoehe}"
done
# No size beyond the list either: a stray folder would be a forgotten size.
vorhanden="$(find "$wurzel/share/icons/hicolor" -name "$icon_name.png" | wc -l)"
[ "$vorhanden" -eq "${#sizes[@]}" ] || falsch "$vorhanden icons installed, expected ${#sizes[@]}"

if [ "$fehler" -ne 0 ]; then
  exit 1
fi
echo "installed and valid: bin/quorbix, desktop entry, metainfo, icons ${sizes[*]}"
