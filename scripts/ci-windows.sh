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

# ---- The whole program as a Windows user gets it ----------------------------------------------
# The installer made by scripts/build-windows.sh, installed silently into the same fresh prefix;
# the installed programs must behave as the Linux build does (same bytes with CR LF line ends,
# same records), then the uninstaller must leave nothing behind.
sdk_archive=${HARDNESS_SDK_ARCHIVE:-../shared/toolchains/qt5-win64-sdk.tar.xz}
sdk=${HARDNESS_WINDOWS_SDK:-$HOME/.cache/hardness-tester/qt5-win64}
if [ ! -f "$sdk_archive" ] && [ ! -f "$sdk/lib/cmake/Qt5/Qt5Config.cmake" ]; then
  echo "SKIPPED: the Windows programs and installer: no Windows SDK ($sdk_archive or $sdk);" \
       "scripts/build-windows-sdk.sh builds one (about 45 minutes)"
  exit 0
fi
started=$SECONDS
echo "== the Windows programs and installer (scripts/build-windows.sh)"
timeout 900 scripts/build-windows.sh >"$WINEPREFIX/build-windows.log" 2>&1 ||
  { tail -n 40 "$WINEPREFIX/build-windows.log"; exit 1; }
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' build-windows/cmake/CMakeCache.txt)
setup=build-windows/hardness-tester-$version-setup.exe
stage=build-windows/hardness-tester-$version
cmake --build build --target hardness-cli >/dev/null
echo "built in $((SECONDS - started)) s"

fail() { echo "FAILED: $*" >&2; exit 1; }
installed="$WINEPREFIX/drive_c/Program Files/Hardness Tester"
start_menu="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Hardness Tester"
cli_exe="C:\\Program Files\\Hardness Tester\\hardness-cli.exe"
work=$WINEPREFIX/check
mkdir -p "$work"
# The Linux build's output, from throwaway homes (nothing archived there).
linux_cli() { XDG_DATA_HOME=$work/linux XDG_CONFIG_HOME=$work/linux build/cli/hardness-cli "$@" 2>/dev/null; }
crlf() { sed 's/$/\r/'; }

echo "== silent install"
t=$SECONDS
timeout 120 wine "$setup" /S && timeout 60 wineserver -w
installed_kb=$(du -sk "$installed" | cut -f1)
echo "installed in $((SECONDS - t)) s"
expected_files=$( (cd "$stage" && find . -type f; echo ./uninstall.exe; echo ./hardness-tester.ico) | sort)
diff -u <(echo "$expected_files") <(cd "$installed" && find . -type f | sort) || fail "installed files differ from the staged ones"
[ -f "$start_menu/Hardness Tester.lnk" ] && [ -f "$start_menu/Hardness Tester Demo.lnk" ] || fail "Start-menu entries missing"
timeout 60 wine reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\hardness-tester' /v UninstallString |
  grep -q 'uninstall.exe' || fail "no uninstaller registered in Apps & features"
wineserver -k

echo "== hardness-cli from a command prompt (on PATH)"
output=$(timeout 60 wine cmd /c "hardness-cli --version" | tr -d '\r')
echo "$output"
[ "$output" = "hardness-cli $version" ] || fail "expected \"hardness-cli $version\""

echo "== download --simulate --group 1: the Linux bytes with CR LF line ends"
timeout 60 wine "$cli_exe" download --simulate --group 1 >"$work/sim1.csv" 2>/dev/null || fail "exit code $?"
cmp <(linux_cli download --simulate --group 1 --no-archive | crlf) "$work/sim1.csv" || fail "the CSV differs"
# The same into a file, the window's own CSV writer (a text-mode file: CR LF on Windows).
timeout 60 wine "$cli_exe" download --simulate --group 1 --no-archive -o 'C:\group1.csv' 2>/dev/null ||
  fail "-o: exit code $?"
cmp "$work/sim1.csv" "$WINEPREFIX/drive_c/group1.csv" || fail "the CSV file differs"
wineserver -k

# A command on the emulated HID bus ($1: bed options, then the Windows program and its
# arguments); its standard output into $work/out, its exit code returned.
on_bus() {
  local options=$1
  shift
  # shellcheck disable=SC2086 # the options are words
  timeout 120 umockdev-wrapper "$bed" $options -- \
    bash -c 'wine "$@" >"$0"; status=$?; wineserver -k || true; exit "$status"' "$work/out" "$@" 2>/dev/null
}
echo "== on the emulated HID bus: status, download --group 2, an unplug part-way"
status=0; on_bus "" "$cli_exe" status || status=$?
tr -d '\r' <"$work/out"
[ "$status" -eq 0 ] || fail "status: exit code $status, expected 0"
status=0; on_bus "" "$cli_exe" download --group 2 || status=$?
[ "$status" -eq 0 ] || fail "download: exit code $status, expected 0"
cp "$work/out" "$work/bus2.csv"
cmp <(linux_cli download --simulate --group 2 --no-archive | crlf) "$work/bus2.csv" || fail "the records differ"
echo "$(($(wc -l <"$work/bus2.csv") - 1)) records, as the Linux build reads them"
status=0; on_bus "--unplug-after 4" "$cli_exe" download --group 2 || status=$?
[ "$status" -eq 2 ] && [ ! -s "$work/out" ] || fail "unplugged: exit code $status and output, expected 2 and nothing"
echo "unplugged part-way: exit code 2, nothing written"

echo "== the archive in %APPDATA%"
archive_file=$(find "$WINEPREFIX/drive_c/users" -path '*/AppData/Roaming/hardness-tester/archive.sqlite')
[ -n "$archive_file" ] || fail "no archive.sqlite in %APPDATA%\\hardness-tester"
timeout 60 wine "$cli_exe" archive list >"$work/list" || fail "archive list: exit code $?"
tr -d '\r' <"$work/list"
[ "$(tail -n +2 "$work/list" | cut -f 3 | tr -d '\r' | tr '\n' ' ')" = "2 1 " ] || fail "expected groups 2 and 1 in the list"
timeout 60 wine "$cli_exe" archive export 2 >"$work/export.csv" || fail "archive export: exit code $?"
cmp "$work/bus2.csv" "$work/export.csv" || fail "the exported download differs from the downloaded one"
status=0; timeout 60 wine "$cli_exe" archive list --archive postgresql://user@host/db 2>"$work/err" || status=$?
tr -d '\r' <"$work/err"
[ "$status" -eq 74 ] && grep -q "not supported on Windows" "$work/err" || fail "a PostgreSQL URL must be refused clearly"
wineserver -k

# The installed window under a German locale on the emulated HID bus, driven as a user would
# (xdotool), read back from screenshots: the window must appear under its German title, LoadData
# (enabled only while the instrument is connected) must fill the table, and choosing a row must
# paint the chart. Driven by keyboard (a click on the chart first gives the window the focus), so
# that it does not depend on where Wine's fonts put the widgets. Runs inside the bed, in a Wine
# session of its own; $1: the folder for screenshots.
window_check() {
  local shots=$1 w t0 app="C:\\Program Files\\Hardness Tester\\hardness-tester.exe"
  t0=$(date +%s%N)
  LC_ALL=de_DE.UTF-8 WINEDEBUG=-all,+debugstr wine "$app" 2>"$shots/debug.log" &
  # "Härteprüfgerät", matched without its umlauts (the title may reach X in another encoding).
  w=$(timeout 90 xdotool search --sync --name '^H.+rtepr.+fger.+t$' | head -n 1) ||
    { echo "no window titled \"Härteprüfgerät\""; wineserver -k; return 1; }
  echo "first window after $((($(date +%s%N) - t0) / 1000000)) ms"
  # Screenshot $1 once region $2 (WxH+X+Y) differs from that of screenshot $3, within 30 s.
  changed() {
    local n pixels
    convert "$shots/$3.png" -crop "$2" +repage "$shots/region-before.png"
    for n in $(seq 30); do
      sleep 1
      import -window "$w" "$shots/$1.png"
      convert "$shots/$1.png" -crop "$2" +repage "$shots/region-after.png"
      pixels=$(compare -metric AE "$shots/region-before.png" "$shots/region-after.png" null: 2>&1) || true
      [ "${pixels%% *}" -gt 2000 ] 2>/dev/null && return 0
    done
    return 1
  }
  local table=930x200+10+430 chart=880x240+70+70
  sleep 2  # the device link finds the instrument
  import -window "$w" "$shots/started.png"
  # Group 2 (Alt+G goes to the group box, typing picks the entry), then LoadData (Ctrl+L).
  xdotool mousemove --window "$w" 500 250 click 1 && sleep 1
  xdotool key alt+g && xdotool type 2 && xdotool key ctrl+l
  changed loaded "$table" started || { echo "LoadData did not fill the table"; wineserver -k; return 1; }
  echo "LoadData filled the table"
  # The focus is in the table after LoadData: the arrow key picks the first row, wherever the
  # table lies in a layout drawn with Wine's fonts.
  xdotool key Down
  changed clicked "$chart" loaded || { echo "choosing a row did not paint the chart"; wineserver -k; return 1; }
  echo "choosing a row painted the chart"
  wineserver -k || true
}

echo "== the installed window under Wine on Xvfb, German locale, on the emulated HID bus"
Xvfb -displayfd 3 -screen 0 1366x768x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
xvfb=$!
for _ in $(seq 20); do [ -s "$work/display" ] && break; sleep 0.5; done
display=$(cat "$work/display")
[ -n "$display" ] || fail "Xvfb did not start"
trap 'kill "$xvfb" 2>/dev/null; wineserver -k 2>/dev/null || true; rm -rf "$WINEPREFIX" "$debug_log"' EXIT
mkdir -p build-windows/wine-check
DISPLAY=:$display timeout 240 umockdev-wrapper "$bed" -- bash -c "$(declare -f window_check); "'window_check "$0"' "$PWD/build-windows/wine-check" ||
  fail "the window (screenshots in build-windows/wine-check)"
echo "the program's debug texts (Qt's messages included): $(wc -l <build-windows/wine-check/debug.log) lines"
! grep -i "warning\|qt\.\|plugin" build-windows/wine-check/debug.log || fail "Qt warned (above)"

echo "== uninstall"
timeout 120 wine "C:\\Program Files\\Hardness Tester\\uninstall.exe" /S && timeout 60 wineserver -w
[ ! -e "$installed" ] || { find "$installed"; fail "the uninstaller left files behind"; }
[ ! -e "$start_menu" ] || fail "the uninstaller left the Start-menu entries"
! timeout 60 wine reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\hardness-tester' >/dev/null 2>&1 ||
  fail "the uninstaller left its Apps & features entry"
! timeout 60 wine reg query 'HKLM\System\CurrentControlSet\Control\Session Manager\Environment' /v Path |
  grep -qi 'Hardness Tester' || fail "the uninstaller left its folder on PATH"
wineserver -k

echo "figures: installer $(($(stat -c %s "$setup") / 1024)) KiB, installed ${installed_kb} KiB," \
     "the Windows part of CI $((SECONDS - started)) s"
