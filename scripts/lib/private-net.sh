# Shared by the scripts: the network-safety rule. Anything that can send a
# discovery broadcast must run in a network namespace of its own, never on
# the machine's real interfaces. Source this file.

# in_private_namespace: true when every network interface here is one that
# a private test namespace has (loopback, veth pairs, dummies).
in_private_namespace() {
  local names
  names=$(ip -o link show | awk -F': ' '{print $2}' | sed 's/@.*//')
  while read -r name; do
    case "$name" in
      lo|veth*|tnet*|dummy*) ;;
      *) return 1 ;;
    esac
  done <<<"$names"
  return 0
}

# require_private_namespace: refuses to go on outside one.
require_private_namespace() {
  if ! in_private_namespace; then
    echo "refusing to run: this must run inside a private network namespace" >&2
    echo "(start it through scripts/test.sh or scripts/run.sh, which make one)" >&2
    exit 3
  fi
}
