#!/usr/bin/env bash
# The test run itself, inside a private network namespace (scripts/test.sh
# starts it there): a fresh Wine prefix, a display, then every suite.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
. "$top/scripts/lib/wine-env.sh"
. "$top/scripts/lib/private-net.sh"
require_private_namespace
ip link set lo up

prefix="$top/build/test-prefix"
trap end_wine EXIT
ensure_display
new_prefix "$prefix"

status=0
echo "== native core (ASan, UBSan)"
ctest --test-dir "$top/build/native" --output-on-failure || status=1
echo "== under Wine (prefix $prefix, display $DISPLAY)"
ctest --test-dir "$top/build/win" --output-on-failure || status=1
exit $status
