#!/usr/bin/env bash
# Installs what the build, the program and its tests need on a fresh Debian machine
# and prepares the Wine prefix. Safe to run again: each step is skipped when done.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
source "$here/wine-env.sh"

# wine64-preloader is only suggested by wine64, but without it Wine cannot always reserve the
# fixed addresses it needs (the shared user data page among them) before the kernel's randomised
# layout takes them, and now and then a program dies before its main.
packages=(
  g++-mingw-w64-x86-64 mingw-w64-tools cmake ninja-build googletest
  wine wine64 wine64-preloader libwine fonts-wine
  xvfb xauth x11-utils imagemagick
  fonts-liberation fonts-nanum locales tzdata python3
  cups cups-bsd printer-driver-cups-pdf ghostscript poppler-utils
  clang libclang-rt-14-dev
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo_cmd=""
  [ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
  # The packages' scripts run in a locale every machine has: the Korean one is made below.
  LANG=C.UTF-8 $sudo_cmd apt-get update -qq
  LANG=C.UTF-8 DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

# Korean locale: Wine takes code page 949 from it.
if ! locale -a 2>/dev/null | grep -qi '^ko_KR.utf8$'; then
  sudo_cmd=""
  [ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
  $sudo_cmd sed -i 's/^# *ko_KR.UTF-8 UTF-8/ko_KR.UTF-8 UTF-8/' /etc/locale.gen
  grep -q '^ko_KR.UTF-8 UTF-8' /etc/locale.gen || echo 'ko_KR.UTF-8 UTF-8' | $sudo_cmd tee -a /etc/locale.gen >/dev/null
  $sudo_cmd locale-gen >/dev/null
fi

"$here/wine-prefix.sh"
