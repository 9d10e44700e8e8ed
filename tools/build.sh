#!/usr/bin/env bash
# Configures and builds the Windows program, its tests and tools into $KELVORO_BUILD.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
source "$here/wine-env.sh"
cmake -S "$here/.." -B "$KELVORO_BUILD" -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$here/../cmake/mingw-w64.cmake" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$KELVORO_BUILD" -- -j"$(nproc)"
