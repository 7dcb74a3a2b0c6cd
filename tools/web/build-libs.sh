#!/usr/bin/env bash
# Builds the C libraries the browser build links (SDL2, SDL2_image, freetype, SDL2_ttf, libogg, libvorbis)
# from Debian's source packages with emscripten, into PREFIX. Each library is built once: a stamp named
# after its source version marks it done, so a rerun costs nothing, and a new version in the archive is
# built afresh beside the old.
#
#   tools/web/build-libs.sh PREFIX
set -euo pipefail

prefix=$(mkdir -p "$1" && cd "$1" && pwd)
work="$prefix/work"
mkdir -p "$work"
jobs=$(nproc)

source_version() {
    apt-cache showsrc "$1" | awk '/^Version:/ { print $2; exit }'
}

# Unpacks a source package into work/<package>-<version> with Debian's patches applied.
unpack() {
    local package=$1 version=$2
    local tree="$work/$package-$version"
    if [[ ! -d "$tree" ]]; then
        rm -rf "$work/download" && mkdir -p "$work/download"
        (cd "$work/download" && apt-get source --download-only "$package=$version" >/dev/null 2>&1) ||
            { echo "Cannot fetch the source of $package $version (is a deb-src entry set?)" >&2; return 1; }
        dpkg-source -x "$work/download/"*.dsc "$tree.part" >/dev/null
        mv "$tree.part" "$tree"
        rm -rf "$work/download"
    fi
    echo "$tree"
}

# Configures, builds and installs one CMake project; stamped by package and version.
build() {
    local package=$1
    shift
    local version
    version=$(source_version "$package")
    local stamp="$prefix/stamps/$package-$version"
    [[ -e "$stamp" ]] && return 0
    echo "Building $package $version for the browser"
    local tree
    tree=$(unpack "$package" "$version")
    local out="$work/build-$package"
    rm -rf "$out"
    emcmake cmake -S "$tree" -B "$out" -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_INSTALL_PREFIX="$prefix" -DCMAKE_PREFIX_PATH="$prefix" -DCMAKE_FIND_ROOT_PATH="$prefix" \
        -DBUILD_SHARED_LIBS=OFF "$@" >"$out.log" 2>&1 || { tail -n 40 "$out.log" >&2; return 1; }
    cmake --build "$out" -j "$jobs" >>"$out.log" 2>&1 || { tail -n 40 "$out.log" >&2; return 1; }
    cmake --install "$out" >>"$out.log" 2>&1 || { tail -n 40 "$out.log" >&2; return 1; }
    mkdir -p "$prefix/stamps" && touch "$stamp"
    rm -rf "$out"
}

# No threads: the page must run from a plain static server, without cross-origin isolation.
build libsdl2 -DSDL_TEST=OFF -DSDL_THREADS=OFF -DSDL_PTHREADS=OFF -DSDL_SHARED=OFF -DSDL_STATIC=ON
# libogg's type-size checks compile a program that emscripten emits as JavaScript: give their answers.
sizes=()
for answer in INT16:2 UINT16:2 U_INT16:2 INT32:4 UINT32:4 U_INT32:4 INT64:8 SHORT:2 INT:4 LONG:4 LONG_LONG:8; do
    sizes+=("-DHAVE_${answer%%:*}_SIZE=TRUE" "-D${answer%%:*}_SIZE=${answer##*:}")
done
build libogg "${sizes[@]}" -DINSTALL_DOCS=OFF
build libvorbis -DOGG_ROOT="$prefix"
# PNG through stb_image, which SDL2_image carries: no libpng or zlib to build.
build libsdl2-image -DSDL2IMAGE_VENDORED=OFF -DSDL2IMAGE_BACKEND_STB=ON -DSDL2IMAGE_SAMPLES=OFF \
    -DSDL2IMAGE_DEPS_SHARED=OFF -DSDL2IMAGE_AVIF=OFF -DSDL2IMAGE_GIF=OFF -DSDL2IMAGE_JPG=OFF \
    -DSDL2IMAGE_JXL=OFF -DSDL2IMAGE_LBM=OFF -DSDL2IMAGE_PCX=OFF -DSDL2IMAGE_PNM=OFF -DSDL2IMAGE_QOI=OFF \
    -DSDL2IMAGE_SVG=OFF -DSDL2IMAGE_TGA=OFF -DSDL2IMAGE_TIF=OFF -DSDL2IMAGE_WEBP=OFF -DSDL2IMAGE_XCF=OFF \
    -DSDL2IMAGE_XPM=OFF -DSDL2IMAGE_XV=OFF -DSDL2IMAGE_PNG_SAVE=OFF -DSDL2IMAGE_JPG_SAVE=OFF
build freetype -DFT_DISABLE_ZLIB=ON -DFT_DISABLE_BZIP2=ON -DFT_DISABLE_PNG=ON -DFT_DISABLE_HARFBUZZ=ON \
    -DFT_DISABLE_BROTLI=ON
build libsdl2-ttf -DSDL2TTF_VENDORED=OFF -DSDL2TTF_HARFBUZZ=OFF -DSDL2TTF_SAMPLES=OFF
echo "The browser's libraries are in $prefix"
