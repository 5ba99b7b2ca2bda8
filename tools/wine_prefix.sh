#!/usr/bin/env bash
# Makes the Wine prefix $WINEPREFIX once: a 64-bit Windows with a Japanese font
# (IPAGothic) in its font folder, standing in for the Japanese fonts Windows
# has, so that Japanese text shows as on a Japanese Windows.
set -euo pipefail
if [ -f "$WINEPREFIX/.volmar-ready" ]; then
  exit 0
fi
mkdir -p "$WINEPREFIX"
WINEARCH=win64 wineboot --init >/dev/null 2>&1 || true
wineserver -w || true
fonts=$WINEPREFIX/drive_c/windows/Fonts
mkdir -p "$fonts"
cp /usr/share/fonts/opentype/ipafont-gothic/ipag.ttf "$fonts/"
for family in "MS UI Gothic" "MS Gothic" "MS PGothic" "Meiryo" "Meiryo UI" "Yu Gothic" "Yu Gothic UI"; do
  wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "$family" /d IPAGothic /f >/dev/null 2>&1
done
wineserver -w || true
touch "$WINEPREFIX/.volmar-ready"
