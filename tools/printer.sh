#!/usr/bin/env bash
# Makes a PDF printer the default printer, so that the print tests have a printer under Wine.
# Safe to run again: a running scheduler and an existing printer are kept.
# The printed files land in cups-pdf's output folder (Out in /etc/cups/cups-pdf.conf, $HOME/PDF).
set -euo pipefail

sudo_cmd=""
[ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"

# The package cannot start the scheduler on a machine without an init system: start it by hand.
if ! lpstat -r 2>/dev/null | grep -q 'is running'; then
  $sudo_cmd /usr/sbin/cupsd
  for _ in $(seq 1 100); do
    lpstat -r 2>/dev/null | grep -q 'is running' && break
    sleep 0.1
  done
  lpstat -r | grep -q 'is running' || { echo "printer.sh: the print scheduler did not start" >&2; exit 1; }
fi

if ! lpstat -p PDF >/dev/null 2>&1; then
  $sudo_cmd lpadmin -p PDF -v cups-pdf:/ -E -P /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd
fi
if ! lpstat -d 2>/dev/null | grep -q ': PDF$'; then
  $sudo_cmd lpadmin -d PDF
fi
mkdir -p "$HOME/PDF"
