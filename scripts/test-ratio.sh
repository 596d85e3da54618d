#!/usr/bin/env bash
# Prints the non-blank lines of C++ under tests/ against those of everything else
# (program code, the simulated instrument, benchmarks and tools), and their ratio.
set -euo pipefail
cd "$(dirname "$0")/.."
count() { git ls-files -co --exclude-standard -- "$@" | grep -E '\.(cpp|h)$' | xargs -r cat | grep -c '[^[:space:]]' || true; }
tests=$(count tests)
code=$(count . ':!tests')
echo "tests: $tests non-blank C++ lines; code: $code; tests/code: $((100 * tests / code)) %"
