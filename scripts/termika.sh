#!/usr/bin/env bash
# Sets up Termika on a Debian 12 machine and then either starts it or runs every test.
#   scripts/termika.sh run      install what is missing, build, start the program
#   scripts/termika.sh test     install what is missing, check formatting, build with
#                               sanitizers, run all tests through ctest, fuzz the calculation
#                               core for a minute per target, build and run the benchmarks,
#                               build the Debian package and check it
#   scripts/termika.sh package  install what is missing, build the Debian package into
#                               build-release/package/ and check it
#   scripts/termika.sh windows  install what is missing, cross-build Termika for Windows into
#                               build-windows/, test it under Wine, pack its installer and
#                               portable archive into build-windows/package/ and try the
#                               installer (a static Qt is built once into /var/cache/termika)
set -euo pipefail

mode=${1:-}
case "$mode" in
run | test | package | windows) ;;
*)
    echo "usage: $0 run|test|package|windows" >&2
    exit 2
    ;;
esac

top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"

packages=(cmake ninja-build g++ pkg-config qt6-base-dev qt6-base-dev-tools libgl-dev
    libgtest-dev libgmock-dev libbenchmark-dev fonts-liberation clang-format poppler-utils
    librsvg2-bin dpkg-dev desktop-file-utils appstream file qt6-translations-l10n
    clang libclang-rt-dev)
if [ "$mode" = windows ]; then
    # The cross compilers, Qt's host tools and translations, GoogleTest's source, Wine with an
    # X server, NSIS, and the tools of the installer test and the icon.
    packages=(cmake ninja-build qt6-base-dev qt6-base-dev-tools qt6-translations-l10n dpkg-dev
        g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix googletest wine wine64 xvfb xauth
        x11-utils imagemagick nsis librsvg2-bin icoutils fonts-liberation)
fi

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if ((${#missing[@]})); then
    echo "Installing: ${missing[*]}"
    sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

jobs=$(nproc)

if [ "$mode" = run ]; then
    cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DTERMIKA_BENCH=OFF
    cmake --build build --target termika -j "$jobs"
    exec ./build/app/termika
fi

if [ "$mode" = package ]; then
    exec bash tests/package/package_test.sh build-release
fi

if [ "$mode" = windows ]; then
    # The static Qt is kept in a cache of the machine's, made once with the user's rights.
    cache=${TERMIKA_CACHE:-/var/cache/termika}
    if [ ! -d "$cache" ] || [ ! -w "$cache" ]; then
        sudo=()
        [ "$(id -u)" -eq 0 ] || sudo=(sudo)
        "${sudo[@]}" install -d -o "$(id -u)" -g "$(id -g)" "$cache"
    fi
    TERMIKA_CACHE=$cache exec bash scripts/windows/build.sh
fi

echo "== clang-format"
mapfile -t sources < <(find app calc i18n reports assets tests bench fuzz \( -name '*.cpp' -o -name '*.h' \) | sort)
clang-format --dry-run --Werror "${sources[@]}"

echo "== build with AddressSanitizer and UndefinedBehaviorSanitizer"
cmake -S . -B build-test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTERMIKA_SANITIZE=ON -DTERMIKA_BENCH=OFF
cmake --build build-test -j "$jobs"

echo "== tests"
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
(cd build-test && ctest --output-on-failure -j "$jobs")

echo "== fuzzing (clang, libFuzzer, sanitizers)"
bash fuzz/run.sh 60

echo "== benchmarks (Release build; timings are for reading, not pass or fail)"
cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release -DTERMIKA_GUI=ON
cmake --build build-release --target bench_calc bench_gui -j "$jobs"
./build-release/bench/bench_calc --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
./build-release/bench/bench_gui --runs 15 --rounds 5

echo "== Debian package (the same Release build)"
bash tests/package/package_test.sh build-release
