#!/usr/bin/env bash
# Renews docs/screenshot.png: the demo window under Xvfb with a group loaded and a row chosen.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build.sh build
xvfb-run -a -s "-screen 0 1280x1024x24 -dpi 96" build/tools/screenshot-tour docs/screenshot.png
echo "docs/screenshot.png renewed"
