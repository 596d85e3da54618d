#!/usr/bin/env bash
# Builds the device link's fuzzers with clang and libFuzzer (AddressSanitizer and
# UndefinedBehaviorSanitizer on) in build-fuzz/ and runs each one for a short, bounded time,
# starting from the seed corpus in tests/device/fuzz/corpus/. FUZZ_SECONDS sets the time per fuzzer.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${FUZZ_SECONDS:-25}

CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DHARDNESS_FUZZ=ON -DHARDNESS_SANITIZE=ON -DHARDNESS_BENCHMARKS=OFF \
  -DCMAKE_CXX_FLAGS=-fsanitize=fuzzer-no-link >/dev/null
cmake --build build-fuzz -j"$(nproc)" --target fuzz_replies fuzz_report_descriptor

# New inputs go to a scratch folder; the seeds in the repository stay as they are.
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
for name in replies report_descriptor; do
  echo "== fuzz_$name for ${seconds} s"
  mkdir "$scratch/$name"
  build-fuzz/tests/device/fuzz_$name -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
    -print_final_stats=1 "$scratch/$name" "tests/device/fuzz/corpus/$name"
done
