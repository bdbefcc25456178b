#!/usr/bin/env bash
# Builds both configurations: build/native (the portable core and its tests,
# with the sanitizers) and build/win (Tandrel.exe and everything run under Wine).
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
jobs=$(nproc)

cmake -S "$top" -B "$top/build/native" -DTANDREL_WERROR=ON >/dev/null
cmake --build "$top/build/native" -j "$jobs"

cmake -S "$top" -B "$top/build/win" -DCMAKE_TOOLCHAIN_FILE="$top/cmake/mingw-w64-x86_64.cmake" \
      -DTANDREL_WERROR=ON >/dev/null
cmake --build "$top/build/win" -j "$jobs"
