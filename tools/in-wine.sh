#!/usr/bin/env bash
# Runs a command with a display (Xvfb unless one is given) and a warm wineserver.
# Usage: tools/in-wine.sh COMMAND [ARGS...]
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
source "$here/wine-env.sh"

if [ -z "${KELVORO_IN_DISPLAY:-}" ] && { [ -z "${DISPLAY:-}" ] || [ -n "${KELVORO_FORCE_XVFB:-}" ]; }; then
  export KELVORO_IN_DISPLAY=1
  exec xvfb-run -a -s '-screen 0 1280x800x24' "$0" "$@"
fi

# The first Wine process starts services that would inherit the caller's output
# pipe (ctest then waits on it): start them here, detached from our streams.
wineserver -p 2>/dev/null || true  # already running for this prefix: use it
# Their output goes to a file (a pipe would be held open by them), shown only if Wine failed.
started="$(mktemp)"
if ! WINEDEBUG="$KELVORO_WINE_ERRORS" "$WINE" cmd /c exit >"$started" 2>&1 </dev/null; then
  cat "$started" >&2
  rm -f "$started"
  echo "in-wine.sh: Wine did not start" >&2
  wineserver -k || true
  exit 1
fi
rm -f "$started"

# Wine closes the virtual desktop a second after its last program ends, and the next program
# starts it again, handing it that program's output pipe: ctest then waits for the desktop to
# close before it calls the test done. Start the desktop here, away from our streams, and keep
# it up with an idle program that reads a pipe nobody writes to, until the server is stopped.
"$WINE" explorer.exe /desktop >/dev/null 2>&1 </dev/null &
idle="$(mktemp -u)"
mkfifo "$idle"
exec 9<>"$idle"
rm -f "$idle"
"$WINE" cmd /c pause <&9 >/dev/null 2>&1 &
exec 9<&-

status=0
"$@" || status=$?
wineserver -k || true
exit $status
