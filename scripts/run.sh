#!/usr/bin/env bash
# One command to try Tandrel: installs what is missing, builds, and starts
# Tandrel.exe under Wine in a prefix of its own (.run/prefix, kept between
# runs so that applied changes stay), inside a private network of simulated
# device servers (tools/demo/demo-devices.conf), so that Find shows devices.
# The stand-in connector control program is registered as Tandrel's control
# program, so Apply works; its calls are logged to .run/connector-control.log.
# On a machine without a display it runs under Xvfb, saves a screenshot to
# .run/screenshot.png and closes again.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/install-deps.sh"
"$top/scripts/build.sh" >/dev/null

# A network namespace of its own: the device simulator answers broadcasts,
# which must never reach the machine's real network.
if [ "$(id -u)" -eq 0 ]; then
  exec unshare --net -- "$top/scripts/run-inside.sh"
else
  exec unshare --user --map-root-user --net -- "$top/scripts/run-inside.sh"
fi
