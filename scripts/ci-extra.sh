#!/usr/bin/env bash
# Checks beyond the test suite: the tests again under AddressSanitizer and
# UndefinedBehaviorSanitizer (leak check included), the Windows build run under Wine, a short fuzz run,
# the window read through the accessibility bus.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh --ci

echo "== tests under AddressSanitizer and UndefinedBehaviorSanitizer"
scripts/build.sh build-asan -DHARDNESS_SANITIZE=ON -DHARDNESS_BENCHMARKS=OFF
(cd build-asan &&
  ASAN_OPTIONS=detect_leaks=1 LSAN_OPTIONS=suppressions=$PWD/../scripts/lsan.supp \
  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)")

echo "== Windows platform layer, cross-compiled with MinGW-w64 and run under Wine"
scripts/ci-windows.sh

echo "== fuzzing the reply decoding and the report-descriptor parser"
FUZZ_SECONDS=${FUZZ_SECONDS:-20} scripts/ci-fuzz.sh

echo "== the window through the accessibility bus (AT-SPI), at 1024 x 600"
scripts/build.sh build
scripts/check-accessibility.sh
