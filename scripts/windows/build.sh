#!/usr/bin/env bash
# The whole Windows build on Debian 12: a static Qt and GoogleTest for MinGW-w64 (built once and
# cached), Termika cross-built into build-windows/, its tests run under Wine, the installer and
# the portable archive packed into build-windows/package/, and the installer tried in a fresh
# Wine prefix. Run through scripts/termika.sh windows.
set -euo pipefail

top=$(cd "$(dirname "$0")/../.." && pwd)
here=$top/scripts/windows
cache=${TERMIKA_CACHE:-/var/cache/termika}
build=$top/build-windows
jobs=$(nproc)
started=$(date +%s)

stage() { printf '== %s (%d s)\n' "$1" "$(($(date +%s) - started))"; }

stage "static Qt for MinGW-w64"
qt=$(bash "$here/qt.sh" "$cache" | tail -n 1)

stage "GoogleTest for MinGW-w64"
gtest=$cache/googletest-$(dpkg-query -W -f='${Version}' googletest)-mingw
if [ ! -f "$gtest/.complete" ]; then
    rm -rf "$gtest" "$cache/googletest-build"
    cmake -S /usr/src/googletest -B "$cache/googletest-build" -G Ninja \
        -DCMAKE_TOOLCHAIN_FILE="$here/mingw-toolchain.cmake" -DCMAKE_BUILD_TYPE=Release \
        -DBUILD_GMOCK=OFF -DCMAKE_INSTALL_PREFIX="$gtest" >/dev/null
    cmake --build "$cache/googletest-build" --parallel "$jobs" >/dev/null
    cmake --install "$cache/googletest-build" >/dev/null
    rm -rf "$cache/googletest-build"
    touch "$gtest/.complete"
fi

stage "cross-building Termika"
# The compilers' toolchain, with the static Qt and GoogleTest among the places searched for
# Windows libraries.
mkdir -p "$build"
cat >"$build/toolchain.cmake" <<TOOLCHAIN
include("$here/mingw-toolchain.cmake")
list(APPEND CMAKE_FIND_ROOT_PATH "$qt" "$gtest")
TOOLCHAIN
cmake -S "$top" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$build/toolchain.cmake" \
    -DCMAKE_PREFIX_PATH="$qt;$gtest" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DCMAKE_CROSSCOMPILING_EMULATOR="$here/wine-run.sh" >/dev/null
cmake --build "$build" --parallel "$jobs"

stage "tests under Wine"
# A prefix of the tests' own, made afresh: no state of an earlier run.
export WINEPREFIX=$build/wine-tests
rm -rf "$WINEPREFIX"
bash "$here/wine-prefix.sh"
(cd "$build" && xvfb-run -a -s '-screen 0 1280x1024x24' \
    ctest --output-on-failure --timeout 600 -j "$jobs")
wineserver --wait # Wine's server of the prefix ends a moment after its last program

stage "installer and portable archive"
(cd "$build" && cpack -B "$build/package" >/dev/null)
rm -rf "$build/package/_CPack_Packages"
ls -l "$build"/package/termika-*

stage "the installer in a fresh Wine prefix"
WINEPREFIX=$build/wine-install xvfb-run -a -s '-screen 0 1280x1024x24' \
    bash "$here/installer_test.sh" "$build"/package/termika-*-setup.exe

stage "start-up under Wine"
WINEPREFIX=$build/wine-tests xvfb-run -a -s '-screen 0 1280x1024x24' \
    bash "$here/startup.sh" "$build" 9
WINEPREFIX=$build/wine-tests wineserver --wait

stage "done"
