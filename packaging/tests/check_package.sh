#!/bin/bash
# Builds the Debian package from a build tree, unpacks it into a scratch root
# with dpkg -x and runs the installed programs from there.
#   check_package.sh BUILD_FOLDER
set -eo pipefail
build=$1
scratch=$(mktemp -d /tmp/tavro-package-XXXXXX)
trap 'rm -rf "$scratch"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

if ! cpack --config "$build/CPackConfig.cmake" -B "$scratch/cpack" -D CPACK_OUTPUT_FILE_PREFIX="$scratch/out" >"$scratch/cpack.log" 2>&1; then
  cat "$scratch/cpack.log"
  exit 1
fi
debs=("$scratch"/out/tavro_*_"$(dpkg --print-architecture)".deb)
[ -f "${debs[0]}" ] || { echo "FAIL: no tavro_<version>_<arch>.deb"; ls "$scratch/out"; exit 1; }
deb=${debs[0]}
echo "package: $(basename "$deb")"

# No lintian errors (its warnings are printed for whoever reads the log).
report=$(lintian --fail-on error "$deb" 2>&1) || fail "lintian reports errors"
grep -v "root privileges" <<<"$report" || true

depends=$(dpkg-deb --field "$deb" Depends)
for needed in swe-standard-data fonts-noto-cjk libswe libqt6widgets6 libc6; do
  grep -q "$needed" <<<"$depends" || fail "Depends lacks $needed: $depends"
done

root=$scratch/root
dpkg -x "$deb" "$root"
id=org.velmora.Tavro
for file in usr/bin/tavro usr/bin/tavro-cli usr/share/tavro/tavro.dat usr/share/tavro/fullmoon.bmp \
  usr/share/tavro/day1.gif usr/share/applications/$id.desktop usr/share/metainfo/$id.metainfo.xml \
  usr/share/icons/hicolor/scalable/apps/$id.svg usr/share/icons/hicolor/48x48/apps/$id.png \
  usr/share/icons/hicolor/256x256/apps/$id.png usr/share/man/man1/tavro.1.gz usr/share/man/man1/tavro-cli.1.gz \
  usr/share/bash-completion/completions/tavro-cli usr/share/doc/tavro/copyright usr/share/doc/tavro/LICENSE \
  usr/share/doc/tavro/changelog.gz; do
  [ -s "$root/$file" ] || fail "not installed: /$file"
done

# The installed programs find their data in ../share/tavro.
export HOME=$scratch/home XDG_DATA_HOME=$scratch/home/data XDG_CONFIG_HOME=$scratch/home/config
mkdir -p "$HOME"
if out=$("$root/usr/bin/tavro-cli" convert "2024-02-10 CE" 2>"$scratch/err"); then
  grep -q "79-41-01-01" <<<"$out" || fail "installed tavro-cli convert: no lunar new year in: $out"
else
  fail "installed tavro-cli convert failed: $(cat "$scratch/err")"
fi
if QT_QPA_PLATFORM=offscreen "$root/usr/bin/tavro" --screenshot "$scratch/main.png" --entry "2024-02-10 CE" \
  >"$scratch/out.txt" 2>&1; then
  [ -s "$scratch/main.png" ] || fail "installed tavro --screenshot wrote no picture"
else
  fail "installed tavro --screenshot failed: $(cat "$scratch/out.txt")"
fi

# A copy moved away from its data names the folders it looked in.
mkdir -p "$scratch/moved/bin"
cp "$root/usr/bin/tavro-cli" "$scratch/moved/bin/"
if "$scratch/moved/bin/tavro-cli" convert "2024-02-10 CE" >/dev/null 2>"$scratch/err"; then
  fail "a copy without data files succeeded"
fi
for folder in "$scratch/moved/bin" "$scratch/moved/share/tavro"; do
  grep -qF "$folder" "$scratch/err" || fail "a copy without data files does not name $folder: $(cat "$scratch/err")"
done

[ "$failures" -eq 0 ] && echo "installed package runs"
[ "$failures" -eq 0 ]
