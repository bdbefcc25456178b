# Shared by the scripts: a simulated LAN of device servers, joined to the
# current (private) network namespace by veth pairs. Source this file after
# private-net.sh, inside a private namespace.
#
#   start_lan                     a "lan" namespace, held by a sleeping process
#   link N HOST_ADDRESS           veth pair tnet-hN (here) / tnet-lN (lan side)
#   place_devices CONFIG          each device address of CONFIG on the lan
#                                 link whose number is its address's third byte
#   start_simulator CONFIG LOG    the device simulator in the lan; waits until
#                                 it listens
#   stop_simulator, stop_lan

LAN_PID=""
SIMULATOR_PID=""

in_lan() { nsenter --net="/proc/$LAN_PID/ns/net" -- "$@"; }

start_lan() {
  require_private_namespace
  unshare --net -- sleep infinity &
  LAN_PID=$!
  local _
  for _ in $(seq 1 50); do
    [ "$(readlink "/proc/$LAN_PID/ns/net")" != "$(readlink /proc/$$/ns/net)" ] && break
    sleep 0.05
  done
  in_lan ip link set lo up
}

link() {
  local n=$1 address=$2
  ip link add "tnet-h$n" type veth peer name "tnet-l$n"
  ip link set "tnet-l$n" netns "$LAN_PID"
  ip addr add "$address" dev "tnet-h$n"
  ip link set "tnet-h$n" up
  in_lan ip link set "tnet-l$n" up
}

place_devices() {
  local address n
  for address in $(grep -o 'ip=[0-9.]*' "$1" | cut -d= -f2 | sort -u); do
    n=$(echo "$address" | cut -d. -f3)
    in_lan ip addr add "$address/24" dev "tnet-l$n"
  done
}

start_simulator() {
  local config=$1 log=$2 _
  # Not through in_lan: a backgrounded function would leave $! naming a
  # subshell rather than the simulator.
  nsenter --net="/proc/$LAN_PID/ns/net" -- "$TANDREL_SIMULATOR" --config "$config" --log "$log" &
  SIMULATOR_PID=$!
  for _ in $(seq 1 200); do
    grep -q " listening " "$log" 2>/dev/null && return 0
    sleep 0.05
  done
  echo "the device simulator did not start" >&2
  return 1
}

stop_simulator() {
  if [ -n "$SIMULATOR_PID" ]; then
    kill "$SIMULATOR_PID" 2>/dev/null || true
    wait "$SIMULATOR_PID" 2>/dev/null || true
  fi
  SIMULATOR_PID=""
}

stop_lan() {
  stop_simulator
  if [ -n "$LAN_PID" ]; then
    kill "$LAN_PID" 2>/dev/null || true
    wait "$LAN_PID" 2>/dev/null || true
  fi
  LAN_PID=""
}

# two_lans CONFIG: the test LANs 10.0.1.0/24 and 10.0.2.0/24, loopback up
# without 127.0.0.1 (so that Wine lists only the two LAN interfaces and every
# discovery endpoint binds its own), and LAN 1 carrying the limited broadcast
# of sockets bound to no interface, as a primary interface would.
two_lans() {
  ip link set lo up
  ip addr del 127.0.0.1/8 dev lo
  start_lan
  link 1 10.0.1.1/24
  link 2 10.0.2.1/24
  ip route add broadcast 255.255.255.255 dev tnet-h1 src 10.0.1.1 table local
  place_devices "$1"
}
