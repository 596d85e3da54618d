#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing need.
# As root it installs what is missing; otherwise it prints the apt-get line to run.
set -euo pipefail

packages=(
  cmake g++ make pkg-config
  qtbase5-dev qttools5-dev-tools qttools5-dev libqwt-qt5-dev
  xvfb xauth imagemagick poppler-utils xdotool fonts-dejavu-core
  libqt5sql5-sqlite libqt5sql5-psql postgresql
  umockdev libumockdev-dev
  fonts-wqy-microhei qttranslations5-l10n
)
if [ "${1:-}" = "--ci" ]; then
  # Extra checks that CI runs: the Windows build, its installer and zip, run under Wine; the
  # fuzzers; the window read through the accessibility bus.
  packages+=(g++-mingw-w64-x86-64 wine wine64 nsis zip clang libclang-rt-14-dev at-spi2-core python3-pyatspi dbus)
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -eq 0 ]; then
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
else
  echo "Missing packages. Install them with:" >&2
  echo "  sudo apt-get install -y ${missing[*]}" >&2
  exit 1
fi
