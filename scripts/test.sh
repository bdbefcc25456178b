#!/usr/bin/env bash
# One command for every test: installs what is missing, builds, and runs the
# native and the Wine suites inside a private network namespace.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/install-deps.sh"
"$top/scripts/build.sh"

# A new network namespace with only loopback: no test can reach, or
# broadcast on, the machine's real network.
if [ "$(id -u)" -eq 0 ]; then
  exec unshare --net -- "$top/scripts/test-inside.sh"
else
  exec unshare --user --map-root-user --net -- "$top/scripts/test-inside.sh"
fi
