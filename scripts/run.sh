#!/usr/bin/env bash
# One command to try Tandrel: installs what is missing, builds, and starts
# Tandrel.exe under Wine in a prefix of its own (.run/prefix, kept between
# runs so that applied changes stay). The stand-in connector control program
# is registered as Tandrel's control program, so Apply works; its calls are
# logged to .run/connector-control.log. On a machine without a display it runs
# under Xvfb, saves a screenshot to .run/screenshot.png and closes again.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/install-deps.sh"
"$top/scripts/build.sh" >/dev/null
. "$top/scripts/lib/wine-env.sh"

run="$top/.run"
export WINEPREFIX="$run/prefix"
mkdir -p "$run"

headless=1
[ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1 && headless=0

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

if [ "$headless" = 1 ]; then
  trap end_wine EXIT
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
else
  wine "$top/build/win/bin/Tandrel.exe"
fi
