# Shared by the scripts: a Wine prefix of our own and a display for it.
# Source this file; it defines functions and exports nothing until they run.

# Quiet Wine, and keep wineboot from offering the Mono and Gecko installers,
# which would wait for an answer forever on a headless machine.
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="

# new_prefix DIR: a fresh prefix in DIR (removed first when it exists).
new_prefix() {
  local dir=$1
  rm -rf "$dir"
  mkdir -p "$(dirname "$dir")"
  export WINEPREFIX=$dir
  wineboot -i >/dev/null 2>&1
  wineserver -w
}

# use_virtual_desktop: Wine draws caption bars only inside its own desktop
# window when no window manager runs; takes effect at the next wineserver start.
use_virtual_desktop() {
  wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null
  wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1024x768 /f >/dev/null
  wineserver -w
}

# ensure_display: keeps $DISPLAY when it works, otherwise starts Xvfb on a free
# display number and exports it. Sets XVFB_PID when it started one.
ensure_display() {
  XVFB_PID=""
  if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
    return 0
  fi
  local n
  for n in $(seq 90 130); do
    [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] && continue
    Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
    XVFB_PID=$!
    export DISPLAY=":$n"
    local i
    for i in $(seq 1 100); do
      xdpyinfo >/dev/null 2>&1 && return 0
      sleep 0.1
    done
    kill "$XVFB_PID" 2>/dev/null || true
  done
  echo "could not start Xvfb" >&2
  return 1
}

# end_wine: stops the prefix's programs and server, and our Xvfb.
end_wine() {
  [ -n "${WINEPREFIX:-}" ] && wineserver -k 2>/dev/null || true
  [ -n "${XVFB_PID:-}" ] && kill "$XVFB_PID" 2>/dev/null || true
}
