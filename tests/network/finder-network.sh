#!/usr/bin/env bash
# Runs finder tests under Wine inside a private test network of their own.
#
#   finder-network.sh TOPOLOGY DEVICES_CONF GTEST_FILTER
#
# Environment: TANDREL_BIN (build/win/bin), TANDREL_SIMULATOR (the native
# device-simulator), and WINEPREFIX / DISPLAY as for every Wine test.
#
# The script re-executes itself in a new network namespace (the "host"),
# nested in the private namespace the test run already uses, and there builds:
#   two-lans       two LANs of simulated devices (scripts/lib/lan.sh)
#   no-interfaces  loopback down: Wine lists no interface at all.
#   many           25 veth pairs with addresses 10.9.N.1/24 on one end (this
#                  kernel has no dummy interfaces) and no lan.
# Sockets are made by the wineserver, in its namespace: the server of the
# prefix is stopped first, so that the one this test starts lives here.
# Each test case runs on its own, with a fresh simulator and wineserver, so
# that no late reply to one case's queries reaches the next.
set -euo pipefail
top=$(cd "$(dirname "$0")/../.." && pwd)
. "$top/scripts/lib/private-net.sh"
. "$top/scripts/lib/wine-env.sh"
. "$top/scripts/lib/lan.sh"

topology=$1 devices=$2 filter=$3
require_private_namespace

if [ -z "${TANDREL_NETWORK_INSIDE:-}" ]; then
  wineserver -k 2>/dev/null || true
  wineserver -w 2>/dev/null || true
  export TANDREL_NETWORK_INSIDE=1
  exec unshare --net -- "$0" "$@"
fi

work=$(mktemp -d /tmp/tandrel-net.XXXXXX)
cleanup() {
  wineserver -k 2>/dev/null || true
  stop_lan
  rm -rf "$work"
}
trap cleanup EXIT

case "$topology" in
  two-lans)
    two_lans "$devices"
    ;;
  no-interfaces)
    ip link set lo down
    ;;
  many)
    ip link set lo up
    ip addr del 127.0.0.1/8 dev lo
    for n in $(seq 1 25); do
      ip link add "tnet-m$n" type veth peer name "tnet-p$n"
      ip addr add "10.9.$n.1/24" dev "tnet-m$n"
      ip link set "tnet-m$n" up
      ip link set "tnet-p$n" up
    done
    ;;
  *)
    echo "unknown topology $topology" >&2
    exit 2
    ;;
esac

cases=$(wine "$TANDREL_BIN/finder_tests.exe" --gtest_list_tests --gtest_filter="$filter" |
        tr -d '\r' | awk '/^[^ ]/ {suite=$1} /^  / {print suite $1}')
wineserver -k 2>/dev/null || true
[ -n "$cases" ] || { echo "no test matches $filter" >&2; exit 1; }

status=0
n=0
for case in $cases; do
  n=$((n + 1))
  if [ -n "$LAN_PID" ]; then
    export TANDREL_SIM_LOG="$work/simulator-$n.log"
    start_simulator "$devices" "$TANDREL_SIM_LOG"
  fi
  wine "$TANDREL_BIN/finder_tests.exe" --gtest_filter="$case" || status=1
  wineserver -k 2>/dev/null || true
  wineserver -w 2>/dev/null || true
  stop_simulator
done
exit $status
