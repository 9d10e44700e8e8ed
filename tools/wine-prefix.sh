#!/usr/bin/env bash
# Creates and configures the Wine prefix: virtual desktop, no crash dialog,
# Korean fonts for the Korean locale's dialog fonts, the caption-button symbol
# font, glyph names for the Korean fixed-pitch font, and the short date a Korean
# Windows installation uses.
# An existing prefix configured by an older version of this script is brought
# up to date in place (the registry import only adds and overwrites values).
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
source "$here/wine-env.sh"

stamp="$WINEPREFIX/.kelvoro-configured-v3"
[ -f "$stamp" ] && exit 0

# Wine's own output is kept, with its error lines, and shown only when a step did not take.
log="$(mktemp)"
trap 'rm -f "$log"' EXIT
fail() {
  cat "$log" >&2
  echo "wine-prefix.sh: $1" >&2
  exit 1
}

mkdir -p "$WINEPREFIX"
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  WINEDEBUG="$KELVORO_WINE_ERRORS" "$WINE" wineboot -i >"$log" 2>&1 </dev/null || true
  wineserver -w
  [ -f "$WINEPREFIX/system.reg" ] || fail "wineboot did not create the prefix $WINEPREFIX"
fi

# This Wine build looks for its own fonts in "Z:\usr\share\wine\../fonts", a
# path it cannot open, so Marlett (caption buttons, check marks, combo arrows,
# size grips) is missing and those glyphs come out as letters. Wine loads every
# font in C:\windows\Fonts, as Windows does.
marlett=/usr/share/wine/fonts/marlett.ttf
[ -f "$marlett" ] || { echo "wine-prefix.sh: $marlett missing (package fonts-wine)" >&2; exit 1; }
install -m 0644 "$marlett" "$WINEPREFIX/drive_c/windows/Fonts/marlett.ttf"

# Printed Korean text (the table's "℃") comes from NanumGothicCoding, whose glyphs have
# no names; Wine's PostScript driver then calls them "g0022" and the like, and a PDF
# made of the job holds no text that can be read back. A copy with every glyph named
# after its character, in C:\windows\Fonts, takes the system copy's place in Wine.
coding=/usr/share/fonts/truetype/nanum/NanumGothicCoding.ttf
[ -f "$coding" ] || { echo "wine-prefix.sh: $coding missing (package fonts-nanum)" >&2; exit 1; }
python3 "$here/name-glyphs.py" "$coding" "$WINEPREFIX/drive_c/windows/Fonts/NanumGothicCoding.ttf"

reg_utf8="$(mktemp)"
cat >"$reg_utf8" <<'REG'
Windows Registry Editor Version 5.00

[HKEY_CURRENT_USER\Software\Wine\Explorer]
"Desktop"="Default"

[HKEY_CURRENT_USER\Software\Wine\Explorer\Desktops]
"Default"="1280x800"

[HKEY_CURRENT_USER\Software\Wine\WineDbg]
"ShowCrashDialog"=dword:00000000

[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]
"Gulim"="NanumGothic"
"GulimChe"="NanumGothicCoding"
"Dotum"="NanumGothic"
"DotumChe"="NanumGothicCoding"
"Batang"="NanumMyeongjo"
"BatangChe"="NanumMyeongjo"
"Gungsuh"="NanumMyeongjo"
"Malgun Gothic"="NanumGothic"
"굴림"="NanumGothic"
"굴림체"="NanumGothicCoding"
"돋움"="NanumGothic"
"돋움체"="NanumGothicCoding"
"바탕"="NanumMyeongjo"
"바탕체"="NanumMyeongjo"
"궁서"="NanumMyeongjo"
"맑은 고딕"="NanumGothic"
"Arial"="Liberation Sans"
"Courier New"="Liberation Mono"
"Times New Roman"="Liberation Serif"
"Microsoft Sans Serif"="Liberation Sans"

[HKEY_LOCAL_MACHINE\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink]
"Tahoma"=hex(7):4e,00,61,00,6e,00,75,00,6d,00,47,00,6f,00,74,00,68,00,69,00,63,00,2e,00,74,00,74,00,66,00,2c,00,4e,00,61,00,6e,00,75,00,6d,00,47,00,6f,00,74,00,68,00,69,00,63,00,00,00,00,00
"MS Shell Dlg"=hex(7):4e,00,61,00,6e,00,75,00,6d,00,47,00,6f,00,74,00,68,00,69,00,63,00,2e,00,74,00,74,00,66,00,2c,00,4e,00,61,00,6e,00,75,00,6d,00,47,00,6f,00,74,00,68,00,69,00,63,00,00,00,00,00
"MS Shell Dlg 2"=hex(7):4e,00,61,00,6e,00,75,00,6d,00,47,00,6f,00,74,00,68,00,69,00,63,00,2e,00,74,00,74,00,66,00,2c,00,4e,00,61,00,6e,00,75,00,6d,00,47,00,6f,00,74,00,68,00,69,00,63,00,00,00,00,00
"Microsoft Sans Serif"=hex(7):4e,00,61,00,6e,00,75,00,6d,00,47,00,6f,00,74,00,68,00,69,00,63,00,2e,00,74,00,74,00,66,00,2c,00,4e,00,61,00,6e,00,75,00,6d,00,47,00,6f,00,74,00,68,00,69,00,63,00,00,00,00,00
"MS Sans Serif"=hex(7):4e,00,61,00,6e,00,75,00,6d,00,47,00,6f,00,74,00,68,00,69,00,63,00,2e,00,74,00,74,00,66,00,2c,00,4e,00,61,00,6e,00,75,00,6d,00,47,00,6f,00,74,00,68,00,69,00,63,00,00,00,00,00
"Arial"=hex(7):4e,00,61,00,6e,00,75,00,6d,00,47,00,6f,00,74,00,68,00,69,00,63,00,2e,00,74,00,74,00,66,00,2c,00,4e,00,61,00,6e,00,75,00,6d,00,47,00,6f,00,74,00,68,00,69,00,63,00,00,00,00,00
"Liberation Sans"=hex(7):4e,00,61,00,6e,00,75,00,6d,00,47,00,6f,00,74,00,68,00,69,00,63,00,2e,00,74,00,74,00,66,00,2c,00,4e,00,61,00,6e,00,75,00,6d,00,47,00,6f,00,74,00,68,00,69,00,63,00,00,00,00,00

; Short date as on Korean Windows (Wine's own Korean data says "yyyy. M. d.").
[HKEY_CURRENT_USER\Control Panel\International]
"sShortDate"="yyyy-MM-dd"
"sDate"="-"
"iDate"="2"
"iLZero"="1"
REG
reg_utf16="$WINEPREFIX/drive_c/kelvoro.reg"
{ printf '\xff\xfe'; iconv -f UTF-8 -t UTF-16LE "$reg_utf8"; } >"$reg_utf16"
rm -f "$reg_utf8"
WINEDEBUG="$KELVORO_WINE_ERRORS" "$WINE" regedit /S 'C:\kelvoro.reg' >"$log" 2>&1 </dev/null || true
wineserver -w
# The stamp below keeps this prefix as it is from now on: make sure the settings are in it.
grep -q '^"sShortDate"="yyyy-MM-dd"' "$WINEPREFIX/user.reg" || fail "the registry settings were not imported"
rm -f "$WINEPREFIX"/.kelvoro-configured-v*
touch "$stamp"
