#!/usr/bin/env bash
# Cross-builds hardness-tester.exe, hardness-tester-demo.exe and hardness-cli.exe for 64-bit
# Windows from the same sources as the Linux build, gathers the DLLs and plugins they load, and
# packs the folder twice:
#   build-windows/hardness-tester-<version>-setup.exe   the installer (NSIS)
#   build-windows/hardness-tester-<version>-win64.zip   the same folder, for users without admin rights
# The Windows SDK (Qt, Qwt) comes from scripts/build-windows-sdk.sh: a ready one is unpacked
# once into ~/.cache (or $HARDNESS_WINDOWS_SDK), else built from Debian's sources.
set -euo pipefail
cd "$(dirname "$0")/.."
out=build-windows
for tool in x86_64-w64-mingw32-g++-posix makensis zip convert; do
  command -v "$tool" >/dev/null || { echo "$tool is missing: run scripts/install-deps.sh --ci" >&2; exit 1; }
done
sdk=$(realpath -m "${HARDNESS_WINDOWS_SDK:-$HOME/.cache/hardness-tester/qt5-win64}")
scripts/build-windows-sdk.sh "$sdk"

echo "== cross-building with MinGW-w64"
cmake -S . -B "$out/cmake" -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/mingw-w64-x86_64.cmake" \
  -DHARDNESS_WINDOWS_SDK="$sdk" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
cmake --build "$out/cmake" -j"$(nproc)" --target hardness-tester hardness-tester-demo hardness-cli
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$out/cmake/CMakeCache.txt")
name=hardness-tester-$version
stage=$out/$name
rm -rf "$stage" && mkdir -p "$stage"

echo "== gathering $stage"
for exe in app/hardness-tester.exe app/hardness-tester-demo.exe cli/hardness-cli.exe; do
  x86_64-w64-mingw32-strip -o "$stage/$(basename "$exe")" "$out/cmake/$exe"
done
# The plugins the programs load: the window system, the native look, printing, the archive's
# SQLite driver (SQLite linked into it), and JPEG among the chart's export formats (PNG, BMP are
# built into Qt).
for plugin in platforms/qwindows styles/qwindowsvistastyle printsupport/windowsprintersupport \
              sqldrivers/qsqlite imageformats/qjpeg; do
  mkdir -p "$stage/plugins/$(dirname "$plugin")"
  cp "$sdk/plugins/$plugin.dll" "$stage/plugins/$plugin.dll"
done
# Then every DLL that those and the programs import, found in the SDK or the MinGW run-time,
# following the imports of each DLL copied; what none of those folders holds is Windows' own.
dll_folders=("$sdk/bin" "$sdk/lib" /usr/lib/gcc/x86_64-w64-mingw32/*-posix /usr/x86_64-w64-mingw32/lib)
pending=("$stage"/*.exe "$stage"/plugins/*/*.dll)
while [ ${#pending[@]} -gt 0 ]; do
  file=${pending[0]}
  pending=("${pending[@]:1}")
  for dll in $(x86_64-w64-mingw32-objdump -p "$file" | sed -n 's/^\s*DLL Name: //p'); do
    [ -e "$stage/$dll" ] && continue
    for folder in "${dll_folders[@]}"; do
      if [ -f "$folder/$dll" ]; then
        cp "$folder/$dll" "$stage/$dll"
        pending+=("$stage/$dll")
        break
      fi
    done
  done
done
# Qt finds its plugins and its own catalogues (the dialogs' buttons) beside the programs.
printf '[Paths]\nPrefix = .\nPlugins = plugins\nTranslations = translations\n' >"$stage/qt.conf"
mkdir -p "$stage/translations"
for language in de fr es zh_CN; do
  cp "/usr/share/qt5/translations/qtbase_$language.qm" "$stage/translations/"
done
cp README.md "$stage/README.md"
ls "$stage" "$stage"/plugins/*

echo "== $out/$name-win64.zip"
rm -f "$out/$name-win64.zip"
(cd "$out" && zip -qr9 "$name-win64.zip" "$name")

echo "== $out/$name-setup.exe"
convert resources/dark/logo.png -define icon:auto-resize=256,48,32,16 "$out/hardness-tester.ico"
# The uninstaller deletes exactly the files installed: one line per staged file, then the
# folders, deepest first.
uninstall_list=$out/uninstall-files.nsh
(cd "$stage" &&
 find . -type f | sed 's#^\./##; s#/#\\#g; s#.*#  Delete "$INSTDIR\\&"#' &&
 find . -mindepth 1 -type d | sort -r | sed 's#^\./##; s#/#\\#g; s#.*#  RMDir "$INSTDIR\\&"#') >"$uninstall_list"
makensis -V2 -DVERSION="$version" -DSTAGE="$PWD/$stage" -DICON="$PWD/$out/hardness-tester.ico" \
  -DSIZE_KB="$(du -sk "$stage" | cut -f1)" -DUNINSTALL_LIST="$PWD/$uninstall_list" \
  -DOUTFILE="$PWD/$out/$name-setup.exe" packaging/hardness-tester.nsi
ls -l "$out/$name-setup.exe" "$out/$name-win64.zip"
