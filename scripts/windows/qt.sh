#!/usr/bin/env bash
# Builds the static Qt for Windows that Termika links, once: Debian's own qt6-base source,
# cross-compiled with MinGW-w64, with only the modules and plugins the program uses. The result
# lives in a cache outside the work tree, keyed by the Qt version and these options, so later
# runs and CI reuse it. Prints the Qt prefix on its last line.
#   scripts/windows/qt.sh [CACHE_DIR]      (default /var/cache/termika)
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
cache=${1:-${TERMIKA_CACHE:-/var/cache/termika}}
version=6.4.2
debian_version=6.4.2+dfsg-10

# What Termika needs of Qt: Core, Gui, Widgets, PrintSupport and Test, the Windows platform and
# the offscreen one for the tests. OpenGL stays dynamic (loaded only if used): the Windows
# platform plugin of 6.4.2 does not compile without it.
options=(
    -DBUILD_SHARED_LIBS=OFF
    -DCMAKE_BUILD_TYPE=Release
    -DQT_BUILD_EXAMPLES=OFF
    -DQT_BUILD_TESTS=OFF
    -DQT_BUILD_BENCHMARKS=OFF
    -DFEATURE_static_runtime=ON
    -DINPUT_opengl=dynamic
    -DFEATURE_network=OFF
    -DFEATURE_sql=OFF
    -DFEATURE_xml=OFF
    -DFEATURE_dbus=OFF
    -DFEATURE_concurrent=OFF
    -DFEATURE_vulkan=OFF
    -DFEATURE_accessibility=ON
    -DFEATURE_printsupport=ON
    -DFEATURE_testlib=ON
    -DFEATURE_icu=OFF
    -DFEATURE_system_zlib=OFF
    -DFEATURE_system_pcre2=OFF
    -DFEATURE_system_freetype=OFF
    -DFEATURE_system_harfbuzz=OFF
    -DFEATURE_system_libpng=OFF
    -DFEATURE_system_libjpeg=OFF
    -DFEATURE_sql_sqlite=OFF
    -DFEATURE_zstd=OFF
    # Debian's source leaves out the Wintab headers (their licence forbids changes), which the
    # Windows platform's tablet support needs; Termika takes no tablet input.
    -DFEATURE_tabletevent=OFF
)
key=$(printf '%s\n' "$debian_version" "${options[@]}" "$(sha256sum <"$here/mingw-toolchain.cmake")" |
    sha256sum | cut -c1-12)
prefix=$cache/qt-$version-mingw-static-$key

if [ -f "$prefix/.complete" ]; then
    echo "$prefix"
    exit 0
fi

# An interrupted build resumes in its work folder; only a finished one goes into the prefix.
work=$cache/work-$key
mkdir -p "$work"

if [ ! -f "$work/qtbase/.extracted" ]; then
    rm -rf "$work/qtbase" "$work/apt"
    # The source package through apt, with apt's own signature checks (the signed Release
    # file, the Sources index's checksums, the .dsc's), from a private list and private state:
    # the machine's apt configuration stays as it is. The mirror is the machine's own.
    mirror=$(awk '/^URIs:/ {print $2; exit}' /etc/apt/sources.list.d/*.sources 2>/dev/null || true)
    [ -n "$mirror" ] || mirror=$(awk '/^deb / {print $2; exit}' /etc/apt/sources.list 2>/dev/null || true)
    [ -n "$mirror" ] || { echo "no Debian mirror in the machine's apt sources" >&2; exit 1; }
    apt_dir=$work/apt
    mkdir -p "$apt_dir/lists/partial" "$apt_dir/cache/archives/partial" "$apt_dir/src"
    echo "deb-src [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] $mirror bookworm main" \
        >"$apt_dir/sources.list"
    apt_opts=(-o Dir::Etc::SourceList="$apt_dir/sources.list" -o Dir::Etc::SourceParts=/nonexistent
        -o Dir::State::Lists="$apt_dir/lists" -o Dir::Cache="$apt_dir/cache" -o APT::Sandbox::User=root)
    echo "== fetching Debian's qt6-base $debian_version source"
    apt-get -qq "${apt_opts[@]}" update
    (cd "$apt_dir/src" && apt-get -qq "${apt_opts[@]}" source --download-only "qt6-base=$debian_version")
    (cd "$apt_dir/src" && dpkg-source -x --no-copy ./qt6-base_*.dsc "$work/qtbase") \
        >"$work/extract.log" 2>&1 || { tail -n 20 "$work/extract.log" >&2; exit 1; }
    touch "$work/qtbase/.extracted"
fi

echo "== configuring and building a static Qt $version for MinGW-w64 (about 20 minutes on 2 cores)"
cmake -S "$work/qtbase" -B "$work/build" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$here/mingw-toolchain.cmake" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DCMAKE_INSTALL_PREFIX="$prefix" "${options[@]}" >"$work/configure.log" 2>&1 ||
    { tail -n 40 "$work/configure.log" >&2; exit 1; }
cmake --build "$work/build" --parallel "$(nproc)" >"$work/build.log" 2>&1 ||
    { grep -m 5 -A 12 '^FAILED' "$work/build.log" >&2 || tail -n 40 "$work/build.log" >&2; exit 1; }
cmake --install "$work/build" >"$work/install.log" 2>&1
touch "$prefix/.complete"
rm -rf "$work"
echo "$prefix"
