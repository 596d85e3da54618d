#!/usr/bin/env bash
# Cross-compiles the Windows HID layer, with the device link's Qt-free code under it, with
# MinGW-w64 into a small console program, and runs that under Wine: it walks Wine's HID class
# and, with no instrument there, must say "absent" and end cleanly, without crash or hang.
set -euo pipefail
cd "$(dirname "$0")/.."
out=build-windows-check
mkdir -p "$out"
cxx=x86_64-w64-mingw32-g++
flags=(-std=c++17 -O2 -Wall -Wextra -Werror -Idata -Idevice)

sources=(
  data/MeasureRecord.cpp
  device/CHidDevice.cpp
  device/DeviceProtocol.cpp
  device/winhid/WinHidPlatform.cpp
  tests/device/windows_check.cpp
)
objects=()
for src in "${sources[@]}"; do
  obj="$out/$(basename "${src%.cpp}").o"
  echo "== $src"
  "$cxx" "${flags[@]}" -c "$src" -o "$obj"
  objects+=("$obj")
done
exe="$out/windows_check.exe"
"$cxx" -static -o "$exe" "${objects[@]}" -lsetupapi -lhid
echo "linked $exe"

# A throwaway Wine prefix, quiet, without the Mono and Gecko set-up a first start offers.
export WINEPREFIX
WINEPREFIX=$(mktemp -d)
trap 'rm -rf "$WINEPREFIX"' EXIT
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="

echo "== a fresh Wine prefix"
timeout 120 wine wineboot --init

echo "== $exe under Wine, no instrument"
status=0
output=$(timeout 60 wine "$exe" | tr -d '\r') || status=$?  # the console writes CR LF
echo "$output"
wineserver -w  # the prefix goes only after Wine has let go of it
if [ "$status" -ne 0 ] || ! grep -qx absent <<<"$output"; then
  echo "expected \"absent\" and exit code 0, got exit code $status" >&2
  exit 1
fi
