#!/usr/bin/env bash
# Prints the non-blank lines of C++ under tests/ (fixtures, test beds and fuzzers included)
# against those of the shipped code (the programs, the demo, hardness-cli and their libraries),
# and their ratio. bench/ and tools/ count as neither.
set -euo pipefail
cd "$(dirname "$0")/.."
count() { git ls-files -co --exclude-standard -- "$@" | grep -E '\.(cpp|h|hpp|cc)$' | xargs -r cat | grep -c -v -E '^\s*$' || true; }
tests=$(count tests)
code=$(count . ':!tests' ':!bench' ':!tools')
echo "tests: $tests non-blank C++ lines; shipped code: $code; tests/code: $((100 * tests / code)) %"
