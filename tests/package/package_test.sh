#!/usr/bin/env bash
# Builds the Debian package in a Release build directory and leaves it in <build-dir>/package/,
# then checks it the way a user's machine would meet it: the files and control fields, the
# desktop entry and AppStream data, the libraries of the unpacked binary, and that the unpacked
# program starts and paints.
#   tests/package/package_test.sh [build-dir]     (default build-release)
# Needs dpkg-dev, desktop-file-utils, appstream and file (scripts/termika.sh installs them).
set -euo pipefail

top=$(cd "$(dirname "$0")/../.." && pwd)
build=${1:-build-release}
case "$build" in
/*) ;;
*) build=$top/$build ;;
esac

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

# The version as the project declares it, read independently of what CPack made of it.
version=$(sed -n 's/^project(Termika VERSION \([0-9.]*\).*/\1/p' "$top/CMakeLists.txt")
[ -n "$version" ] || {
    echo "no version in project()" >&2
    exit 1
}
arch=$(dpkg --print-architecture)

echo "-- building the package (Release) in $build"
cmake -S "$top" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTERMIKA_GUI=ON \
    -DTERMIKA_SANITIZE=OFF >/dev/null
cmake --build "$build" --target package_contents -j "$(nproc)"
# A fresh folder, so that a package of an earlier version is never the one installed.
rm -rf "$build/package"
cpack --config "$build/CPackConfig.cmake" -B "$build/package" >/dev/null

deb=$build/package/termika_${version}_${arch}.deb
if [ ! -f "$deb" ]; then
    echo "FAIL: no $(basename "$deb"); CPack made: $(ls "$build/package")" >&2
    exit 1
fi
echo "-- checking $(basename "$deb")"

# Contents: every file the desktop needs, and nothing else (no tests, no benches).
dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { print $6 }' | sed 's|^\./|/|' | sort >"$tmp/files"
for f in /usr/bin/termika /usr/share/applications/termika.desktop \
    /usr/share/icons/hicolor/scalable/apps/termika.svg; do
    grep -qx "$f" "$tmp/files" || fail "$f is not in the package"
done
for size in 48 128 256; do
    grep -qx "/usr/share/icons/hicolor/${size}x${size}/apps/termika.png" "$tmp/files" ||
        fail "no ${size}x${size} icon in the package"
done
metainfo=$(grep -x '/usr/share/metainfo/[^/]*\.metainfo\.xml' "$tmp/files" || true)
[ "$(printf '%s' "$metainfo" | grep -c .)" -eq 1 ] || fail "want one metainfo file, have: $metainfo"
stray=$(grep -v -x -e /usr/bin/termika -e '/usr/share/applications/termika\.desktop' \
    -e '/usr/share/metainfo/[^/]*' -e '/usr/share/icons/hicolor/[^/]*/apps/termika\.\(png\|svg\)' \
    "$tmp/files" || true)
[ -z "$stray" ] || fail "files the package should not hold: $stray"

# Control fields.
field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = termika ] || fail "Package is '$(field Package)'"
[ "$(field Version)" = "$version" ] || fail "Version '$(field Version)' is not the project's $version"
[ "$(field Architecture)" = "$arch" ] || fail "Architecture '$(field Architecture)' is not $arch"
[ -n "$(field Maintainer)" ] || fail "no Maintainer"
case "$(field Section)" in
science | utils) ;;
*) fail "Section '$(field Section)' is neither science nor utils" ;;
esac
# Depends as package names, without version constraints or alternatives.
field Depends | tr ',|' '\n\n' | sed 's/(.*//; s/[[:space:]]//g' | grep . | sort -u >"$tmp/depends"
for p in libqt6core6 libqt6printsupport6 libqt6gui6 libqt6widgets6 fonts-liberation qt6-translations-l10n; do
    grep -qx "$p" "$tmp/depends" || fail "Depends lacks $p: $(field Depends)"
done
# The drawings are the program's own code: it needs no SVG support.
! grep -qx libqt6svg6 "$tmp/depends" || fail "Depends names libqt6svg6: $(field Depends)"

# The unpacked tree, as apt would lay it out.
root=$tmp/root
dpkg-deb -x "$deb" "$root"
bin=$root/usr/bin/termika
desktop=$root/usr/share/applications/termika.desktop

if ! desktop-file-validate "$desktop" >"$tmp/dfv" 2>&1 || grep -qE 'error|warning' "$tmp/dfv"; then
    fail "desktop-file-validate: $(cat "$tmp/dfv")"
fi
if [ -n "$metainfo" ] && ! appstreamcli validate --no-net "$root$metainfo" >"$tmp/asv" 2>&1; then
    fail "appstreamcli validate: $(cat "$tmp/asv")"
fi

# The entry must start the installed binary, with no arguments, under the icon we install, and
# the AppStream data must point at this entry.
entry() { sed -n "s/^$1=//p" "$desktop"; }
[ "$(entry Exec)" = termika ] || fail "Exec is '$(entry Exec)', not the bare termika"
[ "$(entry Icon)" = termika ] || fail "Icon is '$(entry Icon)', not termika"
[ "$(entry Terminal)" = false ] || fail "Terminal is '$(entry Terminal)'"
[ -z "$metainfo" ] || grep -q '<launchable type="desktop-id">termika.desktop</launchable>' \
    "$root$metainfo" || fail "the metainfo does not launch termika.desktop"

for png in "$root"/usr/share/icons/hicolor/*x*/apps/termika.png; do
    size=$(basename "$(dirname "$(dirname "$png")")")
    want="PNG image data, ${size/x/ x },"
    file -b "$png" | grep -q "^$want" || fail "$size icon is $(file -b "$png")"
done

# Every library resolves, and none comes from the build tree.
ldd "$bin" >"$tmp/ldd" 2>&1 || fail "ldd failed: $(cat "$tmp/ldd")"
if grep -q 'not found' "$tmp/ldd"; then
    fail "unresolved libraries: $(grep 'not found' "$tmp/ldd")"
fi
if readelf -d "$bin" | grep -qE 'RPATH|RUNPATH'; then
    fail "the installed binary keeps a library path: $(readelf -d "$bin" | grep -E 'RPATH|RUNPATH')"
fi

# The program has no command line: it runs until its window closes. Still running after 5 s
# (timeout's 124) means it did not exit or crash on the way; the toolkit's painting log shows
# the whole main window drawn and flushed to the (offscreen) screen.
mkdir -m 700 "$tmp/config" "$tmp/runtime"
status=0
env QT_QPA_PLATFORM=offscreen XDG_CONFIG_HOME="$tmp/config" XDG_RUNTIME_DIR="$tmp/runtime" \
    QT_LOGGING_RULES='qt.widgets.painting=true' timeout 5 "$bin" >"$tmp/run" 2>&1 || status=$?
if [ "$status" -ne 124 ]; then
    fail "the installed program ended with status $status within 5 s: $(tail -n 20 "$tmp/run")"
elif ! grep -qE '^qt\.widgets\.painting: Drawing QRegion\(0,0 [0-9]+x[0-9]+\) of [A-Za-z0-9_]+\([^)]*name="Form1"\)' "$tmp/run" ||
    ! grep -q '^qt\.widgets\.painting: Flushing top level' "$tmp/run"; then
    fail "the main window was not painted: $(grep -v '^qt\.widgets\.painting' "$tmp/run" | tail -n 20)"
fi
if grep -q '^QPainter::' "$tmp/run"; then
    fail "painter warnings: $(grep '^QPainter::' "$tmp/run" | head -n 5)"
fi

if ((failures)); then
    echo "$failures package check(s) failed" >&2
    exit 1
fi
echo "-- package checks passed: $deb"
