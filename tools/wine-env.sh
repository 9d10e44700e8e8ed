# Sourced by the project's scripts: the Wine environment the program and its tests run in.
export WINEPREFIX="${KELVORO_WINEPREFIX:-$HOME/.local/share/kelvoro/wineprefix}"
export WINEARCH=win64
export WINEDEBUG=-all
# Wine's error lines only, for steps whose output is shown when they fail: a process Wine could
# not start says why there and nowhere else.
export KELVORO_WINE_ERRORS=-all,err+all
export LANG=ko_KR.UTF-8
# No Mono/Gecko install prompts; a crashing program exits instead of waiting in the debugger.
export WINEDLLOVERRIDES="mscoree,mshtml=;winedbg.exe=d;winemenubuilder.exe=d"
export WINE=/usr/lib/wine/wine64
export KELVORO_BUILD="${KELVORO_BUILD:-$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)/build}"
