#!/usr/bin/env bash
# Sets up the machine, builds everything and runs every test under Wine and Xvfb.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
"$here/setup.sh"
"$here/printer.sh"
"$here/build.sh"
source "$here/wine-env.sh"
KELVORO_FORCE_XVFB=1 "$here/in-wine.sh" \
  ctest --test-dir "$KELVORO_BUILD" --output-on-failure -j"$(nproc)" --timeout 300
# Native sanitizer build of the log reader: corpus replay and a bounded fuzz run.
"$here/fuzz.sh" 60
