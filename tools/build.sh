#!/usr/bin/env bash
# Configures and builds the Windows program, its tests and tools into $KELVORO_BUILD.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
source "$here/wine-env.sh"
# The toolchain file is read only when the build folder is first configured; later runs would
# warn that it went unused.
cmake -S "$here/.." -B "$KELVORO_BUILD" -G Ninja --no-warn-unused-cli \
  -DCMAKE_TOOLCHAIN_FILE="$here/../cmake/mingw-w64.cmake" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$KELVORO_BUILD" -- -j"$(nproc)"
