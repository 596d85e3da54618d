#!/usr/bin/env bash
# Refreshes the catalogues in translations/ from the texts in the program's sources: new texts
# are added as unfinished, texts no longer used are dropped, translations made so far are kept.
# The build compiles the catalogues (lrelease) and embeds them; lrelease reports unfinished ones.
set -euo pipefail
cd "$(dirname "$0")/.."
lupdate -no-obsolete -locations none app archive data device output quality views -ts translations/*.ts
