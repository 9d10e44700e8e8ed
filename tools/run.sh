#!/usr/bin/env bash
# Runs KELVORO under Wine with a sample "TEMPDATA.txt" (three weeks of readings up to now) on
# drive E:, a folder that stands in for the controller's USB stick, so the "File" dialog lists
# E:\TEMPDATA.txt as it would list the stick.
#
# On a desktop ($DISPLAY set) the program opens for you. Without a display (or with
# KELVORO_FORCE_XVFB=1) it runs under Xvfb and takes a user's tour instead: File, the sample,
# a day with data, Search, each tab; it saves PNG screenshots and prints their paths.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
source "$here/wine-env.sh"

"$here/setup.sh"
"$here/printer.sh"  # a PDF printer, so that "Print" has somewhere to go
"$here/build.sh" >/dev/null

sample="$KELVORO_BUILD/sample-stick"
mkdir -p "$sample"
start="$(date -d '21 days ago' '+%Y-%m-%dT%H:%M')"
(cd "$sample" && "$WINE" "$KELVORO_BUILD/tools/loggen.exe" --start "$start" --days 21 --out TEMPDATA.txt)
echo "sample log: $sample/TEMPDATA.txt (drive E:)"
# Let that Wine session end: the next one may need a different display.
wineserver -w

if [ -n "${DISPLAY:-}" ] && [ -z "${KELVORO_FORCE_XVFB:-}" ]; then
  "$WINE" "$KELVORO_BUILD/tools/winedrive.exe" E "$sample"
  trap '"$WINE" "$KELVORO_BUILD/tools/winedrive.exe" E --remove || true' EXIT
  "$WINE" "$KELVORO_BUILD/KELVORO.exe"
else
  shots="$KELVORO_BUILD/screenshots"
  mkdir -p "$shots"
  rm -f "$shots"/kelvoro-*.png
  # The tour's log is shown only when it fails; then Wine's error lines in it say why.
  KELVORO_SAMPLE_DIR="$sample" KELVORO_SHOTS_DIR="Z:${shots//\//\\}" KELVORO_FORCE_XVFB=1 \
    "$here/in-wine.sh" env WINEDEBUG="$KELVORO_WINE_ERRORS" "$WINE" "$KELVORO_BUILD/tests/e2e_tests.exe" \
      --gtest_also_run_disabled_tests --gtest_filter='UserTour.*' >"$shots/tour.log" 2>&1 ||
    { cat "$shots/tour.log"; exit 1; }
  sed -n 's/^screenshot: Z://p' "$shots/tour.log" | tr '\\' '/'
fi
