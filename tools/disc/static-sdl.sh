#!/usr/bin/env bash
# Builds the static SDL2, SDL2_ttf and SDL2_image that the disc's Linux launcher links, from Debian's own
# source packages of the versions installed here (so the headers the launcher compiles against
# match), into PREFIX.
#
#   tools/disc/static-sdl.sh PREFIX
#
# Why not Debian's libSDL2.a: it is built with every audio and video back end linked in
# directly (ALSA, PulseAudio, Wayland, KMS/DRM, libdecor ...), so a program linked with it
# needs all of those. The disc's launcher must start on a desktop that has nothing beyond
# glibc, the X11 client libraries, fontconfig and freetype: this build has only SDL's X11
# video (the X11 libraries loaded when the window opens, the optional extensions only where the
# desktop has them), no audio, joysticks, GL, Wayland, D-Bus or IBus, and SDL2_ttf without
# HarfBuzz (plain FreeType layout, all that the launcher's Chinese texts need), and SDL2_image
# with only what the launcher carries: PNG (through the stb_image decoder it includes, so no
# libpng is needed) and the icon and cursor files.
#
# The sources come through apt from the Debian archive the machine already uses (deb-src
# entries made from its deb entries, in a private apt state under PREFIX's parent, so the
# machine's own apt configuration is untouched); apt checks them against the archive's signed
# index. Built without debugging information or assertions, so nothing in the libraries names
# the folder they were built in. A second run with the same versions and script does nothing.
set -euo pipefail

prefix=${1:?usage: static-sdl.sh PREFIX}
prefix=$(mkdir -p "$prefix" && cd "$prefix" && pwd)
work=$(dirname "$prefix")/static-sdl-work
jobs=${JOBS:-2}

source_version() { dpkg-query -W -f='${source:Version}' "$1"; }
sdl_version=$(source_version libsdl2-dev)
ttf_version=$(source_version libsdl2-ttf-dev)
image_version=$(source_version libsdl2-image-dev)
# The stamp names the versions and this script's own text, so a change of either rebuilds.
stamp=$prefix/.built-sdl2-$sdl_version-ttf-$ttf_version-image-$image_version-$(sha256sum <"$0" | cut -c1-16)
if [ -f "$stamp" ]; then
  exit 0
fi
echo "static-sdl: building SDL2 $sdl_version, SDL2_ttf $ttf_version and SDL2_image" \
  "$image_version for the disc's launcher"

rm -rf "$work"
find "$prefix" -mindepth 1 -delete
mkdir -p "$work/apt/lists/partial" "$work/apt/cache/archives/partial" "$work/apt/sources.list.d"

# deb-src entries for every deb entry of the machine's Debian archive.
for file in /etc/apt/sources.list.d/*.sources; do
  [ -f "$file" ] || continue
  sed -E 's/^Types:.*$/Types: deb-src/' "$file" >"$work/apt/sources.list.d/$(basename "$file")"
done
: >"$work/apt/sources.list"
for file in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
  [ -f "$file" ] || continue
  sed -nE 's/^deb[[:space:]]+/deb-src /p' "$file" >>"$work/apt/sources.list"
done
apt_private=(
  -o "Dir::Etc::SourceList=$work/apt/sources.list"
  -o "Dir::Etc::SourceParts=$work/apt/sources.list.d"
  -o "Dir::State::Lists=$work/apt/lists"
  -o "Dir::Cache=$work/apt/cache"
  -o "APT::Sandbox::User=root"
  -qq
)
apt-get "${apt_private[@]}" update
(cd "$work" && apt-get "${apt_private[@]}" source --download-only \
  "libsdl2=$sdl_version" "libsdl2-ttf=$ttf_version" "libsdl2-image=$image_version")
(cd "$work" &&
  dpkg-source -x --no-copy libsdl2_"${sdl_version#*:}".dsc sdl2 >/dev/null 2>&1 &&
  dpkg-source -x --no-copy libsdl2-ttf_"${ttf_version#*:}".dsc sdl2-ttf >/dev/null 2>&1 &&
  dpkg-source -x --no-copy libsdl2-image_"${image_version#*:}".dsc sdl2-image >/dev/null 2>&1)

# The same flags for all three libraries: optimised, position-independent (the launcher is a
# PIE), each function in a section of its own for the linker to drop. Without debugging
# information or assertions nothing in the libraries names the folder they were built in.
flags="-O2 -ffunction-sections -fdata-sections"

# Without SDL's dynamic API, whose table refers to every function SDL has (so the linker could
# drop none) and which would let an environment variable load another SDL into the launcher.
# SDL turns it off only where its header says so.
dynapi=$work/sdl2/src/dynapi/SDL_dynapi.h
sed -i 's/^#define SDL_DYNAMIC_API 1$/#define SDL_DYNAMIC_API 0/' "$dynapi"
grep -qx '#define SDL_DYNAMIC_API 0' "$dynapi" || { echo "static-sdl: cannot turn off $dynapi" >&2; exit 1; }
common=(
  -G Ninja
  -DCMAKE_BUILD_TYPE=Release
  "-DCMAKE_C_FLAGS_RELEASE=$flags -DNDEBUG"
  -DCMAKE_POSITION_INDEPENDENT_CODE=ON
  "-DCMAKE_INSTALL_PREFIX=$prefix"
  -DCMAKE_INSTALL_LIBDIR=lib
)

cmake -S "$work/sdl2" -B "$work/sdl2-build" "${common[@]}" \
  -DSDL_SHARED=OFF -DSDL_STATIC=ON -DSDL_STATIC_PIC=ON -DSDL_TEST=OFF -DSDL2_DISABLE_SDL2MAIN=ON \
  -DSDL_ASSERTIONS=disabled \
  -DSDL_AUDIO=OFF -DSDL_JOYSTICK=OFF -DSDL_HAPTIC=OFF -DSDL_HIDAPI=OFF -DSDL_SENSOR=OFF \
  -DSDL_POWER=OFF -DSDL_RENDER=OFF \
  -DSDL_X11=ON -DSDL_X11_SHARED=ON -DSDL_X11_XCURSOR=ON -DSDL_X11_XRANDR=ON \
  -DSDL_X11_XDBE=OFF -DSDL_X11_XINPUT=OFF -DSDL_X11_XFIXES=OFF -DSDL_X11_XSCRNSAVER=OFF \
  -DSDL_X11_XSHAPE=OFF \
  -DSDL_WAYLAND=OFF -DSDL_KMSDRM=OFF -DSDL_RPI=OFF -DSDL_VIVANTE=OFF -DSDL_OFFSCREEN=OFF \
  -DSDL_OPENGL=OFF -DSDL_OPENGLES=OFF -DSDL_VULKAN=OFF \
  -DSDL_DBUS=OFF -DSDL_IBUS=OFF -DSDL_LIBSAMPLERATE=OFF >"$work/sdl2-configure.log"
cmake --build "$work/sdl2-build" -j "$jobs" >"$work/sdl2-build.log"
cmake --install "$work/sdl2-build" >/dev/null

cmake -S "$work/sdl2-ttf" -B "$work/sdl2-ttf-build" "${common[@]}" \
  "-DCMAKE_PREFIX_PATH=$prefix" -DBUILD_SHARED_LIBS=OFF -DSDL2TTF_SAMPLES=OFF \
  -DSDL2TTF_VENDORED=OFF -DSDL2TTF_HARFBUZZ=OFF >"$work/sdl2-ttf-configure.log"
cmake --build "$work/sdl2-ttf-build" -j "$jobs" >"$work/sdl2-ttf-build.log"
cmake --install "$work/sdl2-ttf-build" >/dev/null

image_formats=()
for format in AVIF GIF JPG JXL LBM PCX PNM QOI SVG TGA TIF WEBP XCF XPM XV; do
  image_formats+=("-DSDL2IMAGE_$format=OFF")
done
cmake -S "$work/sdl2-image" -B "$work/sdl2-image-build" "${common[@]}" \
  "-DCMAKE_PREFIX_PATH=$prefix" -DBUILD_SHARED_LIBS=OFF -DSDL2IMAGE_SAMPLES=OFF \
  -DSDL2IMAGE_VENDORED=OFF -DSDL2IMAGE_DEPS_SHARED=OFF -DSDL2IMAGE_BACKEND_STB=ON \
  -DSDL2IMAGE_PNG=ON -DSDL2IMAGE_PNG_SAVE=OFF -DSDL2IMAGE_BMP=ON "${image_formats[@]}" \
  >"$work/sdl2-image-configure.log"
cmake --build "$work/sdl2-image-build" -j "$jobs" >"$work/sdl2-image-build.log"
cmake --install "$work/sdl2-image-build" >/dev/null

rm -rf "$work"
touch "$stamp"
echo "static-sdl: installed in $prefix"
