#!/usr/bin/env bash
# Renews the screenshots of the demo window under Xvfb on a 1366 x 768 screen, at the size the
# window opens with, a group loaded and a row of 32 impacts chosen: docs/screenshot.png in
# English and docs/screenshot-de.png in German, docs/screenshot-quality.png with tolerance
# limits set, docs/screenshot-1024x600.png on a netbook's screen and docs/report-page.png (the
# German report's first page); French, Spanish and
# Chinese go to build/screenshots/ for a look.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build.sh build
mkdir -p build/screenshots
# Settings and data folders of their own: no size remembered from an earlier run applies, and the
# downloads go to a throw-away archive.
config=$(mktemp -d)
trap 'rm -rf "$config"' EXIT
shoot() {
  # An archive of its own: each shot's download is a new one, as a user's first would be.
  local data
  data=$(mktemp -d -p "$config")
  XDG_CONFIG_HOME=${4:-$config} XDG_DATA_HOME=$data LANG=$1 LC_ALL=$1 LANGUAGE= \
    xvfb-run -a -s "-screen 0 ${3:-1366x768}x24 -dpi 96" build/tools/screenshot-tour "$2" ${5:-}
  echo "$2 renewed"
}
shoot C.UTF-8 docs/screenshot.png
shoot de_DE.UTF-8 docs/screenshot-de.png 1366x768 "$config" "$config/report-de.pdf"
pdftoppm -png -r 60 -f 1 -l 1 -singlefile "$config/report-de.pdf" docs/report-page
# Limits under which the last record of the group fails and four bars of the first lie outside.
mkdir -p "$config/quality/hardness-tester"
printf '[quality]\nlimits=HL=750:770\n' >"$config/quality/hardness-tester/hardness-tester.conf"
shoot C.UTF-8 docs/screenshot-quality.png 1366x768 "$config/quality"
shoot C.UTF-8 docs/screenshot-1024x600.png 1024x600
for lang in fr_FR es_ES zh_CN; do
  shoot "$lang.UTF-8" "build/screenshots/screenshot-$lang.png"
done
