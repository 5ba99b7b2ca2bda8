#!/usr/bin/env bash
# Puts together the Windows folder that runs where it is unpacked:
#   windows_deploy.sh QT_PREFIX BUILD_DIR OUT_DIR
# The programs, every DLL they load (found by walking their imports through
# Qt's, MinGW's and zlib's folders), the platform and style plugins, Qt's
# Japanese translations, the help and the licences of what is shipped.
set -euo pipefail
qt=$1 build=$2 dest=$3
mingw=/usr/x86_64-w64-mingw32/lib
gcc_dir=$(dirname "$(x86_64-w64-mingw32-g++-posix -print-libgcc-file-name)")
search=("$qt/bin" "$mingw" "$gcc_dir")
rm -rf "$dest"
mkdir -p "$dest/platforms" "$dest/styles" "$dest/translations" "$dest/licenses"

cp "$build/volmar.exe" "$build/volmar-cli.exe" "$dest/"
cp "$qt/plugins/platforms/qwindows.dll" "$qt/plugins/platforms/qoffscreen.dll" \
  "$qt/plugins/platforms/qminimal.dll" "$dest/platforms/"
cp "$qt/plugins/styles/qwindowsvistastyle.dll" "$dest/styles/"
cp /usr/share/qt6/translations/qtbase_ja.qm "$dest/translations/"
cp help/VOLMAR.html "$dest/"

# The DLLs the programs and plugins import, and theirs in turn; system DLLs
# (found in none of the folders) stay with Windows.
imports() { x86_64-w64-mingw32-objdump -p "$1" | sed -n 's/^\s*DLL Name: //p'; }
declare -A seen=()
queue=("$dest"/*.exe "$dest"/platforms/*.dll "$dest"/styles/*.dll)
while [ ${#queue[@]} -gt 0 ]; do
  file=${queue[0]}
  queue=("${queue[@]:1}")
  for dll in $(imports "$file"); do
    key=${dll,,}
    [ -z "${seen[$key]:-}" ] || continue
    seen[$key]=1
    for dir in "${search[@]}"; do
      found=$(find "$dir" -maxdepth 1 -iname "$dll" | head -n 1)
      if [ -n "$found" ]; then
        cp "$found" "$dest/"
        queue+=("$dest/$(basename "$found")")
        break
      fi
    done
  done
done
x86_64-w64-mingw32-strip --strip-unneeded "$dest"/*.exe "$dest"/*.dll "$dest"/*/*.dll

# Licences: VOLMAR's own, Qt's (LGPL 3) with the third-party code built into
# it, zlib, and the GCC runtime (GPL 3 with its runtime exception).
src=$(dirname "$qt")/$(basename "$qt")-src/source
cp data/copyright "$dest/licenses/VOLMAR.txt"
cp "$src/LICENSES/LGPL-3.0-only.txt" "$dest/licenses/Qt-LGPL-3.0.txt"
cp "$src/LICENSES/GPL-3.0-only.txt" "$dest/licenses/GPL-3.0.txt"
for part in freetype harfbuzz-ng pcre2 libpng md4c; do
  for f in "$src/src/3rdparty/$part"/{LICENSE*,COPYING*,docs/FTL.TXT}; do
    [ -f "$f" ] && cp "$f" "$dest/licenses/Qt-$part-$(basename "$f").txt"
  done
done
cp /usr/share/doc/libz-mingw-w64/copyright "$dest/licenses/zlib.txt"
cp /usr/share/doc/gcc-mingw-w64-base/copyright "$dest/licenses/MinGW-GCC-runtime.txt" 2>/dev/null ||
  cp /usr/share/doc/gcc-mingw-w64-x86-64-posix-runtime/copyright "$dest/licenses/MinGW-GCC-runtime.txt"
cp /usr/share/doc/mingw-w64-x86-64-dev/copyright "$dest/licenses/MinGW-w64-runtime.txt"
