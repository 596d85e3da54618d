#!/usr/bin/env bash
# Cross-compiles the Windows HID layer, with the device link's Qt-free code under it, with
# MinGW-w64 into a small console program, and runs that under Wine, whose HID stack (SetupAPI,
# the HID class driver, overlapped file I/O) sits on Linux hidraw devices:
#   - with no instrument it must say "absent" and end cleanly, without crash or hang;
#   - on the emulated HID bus (umockdev, the instrument with the demo groups) it downloads a
#     group, loses the instrument part-way (unplugged, or silent and then unplugged), sees it
#     gone and back, and downloads the group again; the output must match
#     tests/device/windows_check.expected.
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

echo "== the emulated HID bus (Linux build)"
[ -f build/CMakeCache.txt ] || cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --target instrument-bed >/dev/null
bed=build/tools/instrument-bed

# A throwaway Wine prefix, quiet, without the Mono and Gecko set-up a first start offers.
export WINEPREFIX
WINEPREFIX=$(mktemp -d)
debug_log=$(mktemp)
trap 'wineserver -k 2>/dev/null || true; rm -rf "$WINEPREFIX" "$debug_log"' EXIT
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="

echo "== a fresh Wine prefix"
timeout 120 wine wineboot --init
# Wine 8 starts its udev (hidraw) bus only when its SDL bus is switched off.
timeout 60 wine reg add 'HKLM\System\CurrentControlSet\Services\winebus' /v "Enable SDL" /t REG_DWORD /d 0 /f
wineserver -w

# Runs the check ($0 the program, then group and seconds to wait) in a Wine session of its own
# that ends with it, while any bed is still there; output line by line (the bed follows it),
# without CR. No time limit inside: timeout(1) would catch SIGHUP, which the bed has Wine ignore.
run_check='wine "$0" "$@" | sed -u "s/\r\$//"; status=${PIPESTATUS[0]}; wineserver -k || true; exit "$status"'

echo "== $exe under Wine, no instrument"
status=0
output=$(timeout 90 bash -c "$run_check" "$exe" 1 0) || status=$?
echo "$output"
if [ "$status" -ne 0 ] || ! grep -qx absent <<<"$output"; then
  echo "expected \"absent\" and exit code 0, got exit code $status" >&2
  exit 1
fi

# The instrument unplugged when the 4th request reaches it (the pending transfer fails), or
# silent from the 4th request on (the read times out and is cancelled) and unplugged afterwards:
# the same records either way, and the transport's debug text tells which way it went.
for fault in "--unplug-after:WaitForSingleObject error" "--silent-after:Read WAIT_TIMEOUT"; do
  echo "== $exe under Wine on the emulated HID bus, ${fault%%:*} 4"
  status=0
  output=$(WINEDEBUG=-all,+debugstr timeout 150 umockdev-wrapper "$bed" "${fault%%:*}" 4 -- \
             bash -c "$run_check" "$exe" 2 20 2>"$debug_log") || status=$?
  echo "$output"
  cat "$debug_log"  # the transport's debug texts, and whatever the bed had to say
  # From the instrument found on: the device path as Wine names it is not the check's business.
  if [ "$status" -ne 0 ] || ! diff -u tests/device/windows_check.expected \
       <(sed -n '/^found /,$p' <<<"$output" | sed 's/^found .*/found/'); then
    echo "the download under Wine differs from the expected one (exit code $status)" >&2
    exit 1
  fi
  if ! grep -q "OutputDebugStringA \".*${fault#*:}" "$debug_log"; then
    echo "expected the debug text \"${fault#*:}\"" >&2
    exit 1
  fi
done
