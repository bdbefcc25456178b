#!/usr/bin/env bash
# Benchmarks: installs what is missing, builds, and times loading 10, 100 and
# 1000 mappings under Wine in a prefix of its own.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/install-deps.sh"
"$top/scripts/build.sh" >/dev/null
. "$top/scripts/lib/wine-env.sh"
trap end_wine EXIT
ensure_display
new_prefix "$top/build/bench-prefix"
wine "$top/build/win/bin/load_mappings_bench.exe"
