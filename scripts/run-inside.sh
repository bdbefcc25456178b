#!/usr/bin/env bash
# The demo itself, inside a private network namespace (scripts/run.sh starts
# it there): the simulated LANs, the demo prefix, then Tandrel.exe.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
. "$top/scripts/lib/private-net.sh"
. "$top/scripts/lib/wine-env.sh"
. "$top/scripts/lib/lan.sh"
require_private_namespace

run="$top/.run"
mkdir -p "$run"
export WINEPREFIX="$run/prefix"
export TANDREL_SIMULATOR="$top/build/native/tools/device-simulator/device-simulator"

headless=1
[ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1 && headless=0

cleanup() {
  wineserver -k 2>/dev/null || true
  stop_lan
  [ -n "${XVFB_PID:-}" ] && kill "$XVFB_PID" 2>/dev/null || true
}
trap cleanup EXIT

two_lans "$top/tools/demo/demo-devices.conf"
start_simulator "$top/tools/demo/demo-devices.conf" "$run/device-simulator.log"

# Sockets live in the wineserver's namespace: a server of this prefix started
# elsewhere must not be reused.
wineserver -k 2>/dev/null || true
if [ ! -d "$WINEPREFIX" ]; then
  echo "Creating the demo prefix $WINEPREFIX"
  new_prefix "$WINEPREFIX"
  # A few mappings to look at, in the connector configuration.
  wine regedit /S "$(winepath -w "$top/tools/demo/demo-mappings.reg")"
  wineserver -w
fi

# The stand-in connector control program (tools/connector-control).
wine reg add 'HKLM\SOFTWARE\Corvane\Tandrel' /v TandrelExe \
  /d "$(winepath -w "$top/build/win/bin/connector-control.exe")" /f >/dev/null
export TANDREL_STANDIN_LOG
TANDREL_STANDIN_LOG=$(winepath -w "$run/connector-control.log")

if [ "$headless" = 0 ]; then
  wine "$top/build/win/bin/Tandrel.exe"
  exit 0
fi

ensure_display
use_virtual_desktop
wine "$top/build/win/bin/Tandrel.exe" &
# Wait for Wine's desktop window, then give the dialog time to draw.
for _ in $(seq 1 150); do
  xwininfo -root -tree 2>/dev/null | grep -q "Wine desktop" && break
  sleep 0.2
done
sleep 4
import -window root "$run/screenshot.png"
echo "No display: Tandrel ran under Xvfb; screenshot saved to $run/screenshot.png"
