#!/usr/bin/env bash
# Cross-compiles the Windows HID layer, with the device link's Qt-free code under it, using
# MinGW-w64, and links a small check program, so that the Windows code cannot rot unseen.
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
  tests/device/windows_link_check.cpp
)
objects=()
for src in "${sources[@]}"; do
  obj="$out/$(basename "${src%.cpp}").o"
  echo "== $src"
  "$cxx" "${flags[@]}" -c "$src" -o "$obj"
  objects+=("$obj")
done
"$cxx" -static -o "$out/windows_link_check.exe" "${objects[@]}" -lsetupapi -lhid
echo "linked $out/windows_link_check.exe"
