#!/usr/bin/env bash
# Fuzzes the finder's receive path (tests/fuzz) with libFuzzer under ASan and
# UBSan. Usage: scripts/fuzz.sh [seconds]   (default 60). The corpus is kept
# in build/fuzz-corpus; a crash leaves its input in build/fuzz-artifacts.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-60}

if ! command -v clang++ >/dev/null || ! dpkg-query -W -f='${Status}' libclang-rt-14-dev 2>/dev/null | grep -q "install ok"; then
  sudo=""; [ "$(id -u)" -eq 0 ] || sudo="sudo"
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends clang libclang-rt-14-dev
fi

out="$top/build/fuzz"
mkdir -p "$out" "$top/build/fuzz-corpus" "$top/build/fuzz-artifacts"
clang++ -std=c++17 -O1 -g -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all \
  -I"$top" \
  "$top/tests/fuzz/ReceivePathFuzzer.cpp" "$top/tests/fuzz/ReceivePath.cpp" \
  "$top/discovery/DiscoveryPackets.cpp" "$top/discovery/DeviceEntry.cpp" "$top/discovery/DeviceTree.cpp" \
  "$top/mapping/FormatText.cpp" \
  -o "$out/receive_path_fuzzer"

"$out/receive_path_fuzzer" -max_total_time="$seconds" -max_len=8192 \
  -artifact_prefix="$top/build/fuzz-artifacts/" "$top/build/fuzz-corpus"
