#!/usr/bin/env bash
# Installs the build into a temporary DESTDIR and checks what a desktop needs:
# a menu entry that starts the installed program, a valid AppStream
# description that points at that entry, and the icon in every hicolor size.
#   Installation.sh <build folder>
set -euo pipefail
sizes=(16 24 32 48 64 128 256) # from menus to software centres

ziel="$(mktemp -d)"
trap 'rm -rf "$ziel"' EXIT
DESTDIR="$ziel" cmake --install "$1" --prefix /usr >/dev/null
wurzel="$ziel/usr"
desktop="$wurzel/share/applications/quorbix.desktop"
metainfo="$wurzel/share/metainfo/org.example.quorbix.metainfo.xml"
fehler=0
falsch() {
  echo "FAIL: $*" >&2
  fehler=1
}
# Pedantic hints count too: a clean file prints at most the success line.
appstream() {
  if ! ausgabe="$(appstreamcli "$1" --no-net --pedantic --strict "$2" 2>&1)" ||
    grep -Eq '^ *[EWIP]:' <<<"$ausgabe"; then
    falsch "appstreamcli $1: $ausgabe"
  fi
}

if ! ausgabe="$(desktop-file-validate "$desktop" 2>&1)" || [ -n "$ausgabe" ]; then
  falsch "desktop-file-validate: $ausgabe"
fi
appstream validate "$metainfo"
appstream validate-tree "$wurzel" # finds the entry the metainfo launches

exec_zeile="$(sed -n 's/^Exec=//p' "$desktop")"
[ -x "$wurzel/bin/${exec_zeile%% *}" ] || falsch "Exec=$exec_zeile is not the installed program"
icon="$(sed -n 's/^Icon=//p' "$desktop")"
for n in "${sizes[@]}"; do
  art="$(identify -format '%m %wx%h' "$wurzel/share/icons/hicolor/${n}x${n}/apps/$icon.png" 2>&1)" || true
  [ "$art" = "PNG ${n}x${n}" ] || falsch "icon ${n}x${n}: $art"
done
# No size beyond the list either: a stray folder would be a forgotten size.
vorhanden="$(find "$wurzel/share/icons" -name "$icon.*" | wc -l)"
[ "$vorhanden" -eq "${#sizes[@]}" ] || falsch "$vorhanden icons installed, expected ${#sizes[@]}"
[ "$fehler" -eq 0 ] && echo "installed and valid: bin/quorbix, desktop entry, metainfo, icons ${sizes[*]}"
