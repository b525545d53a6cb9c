#!/usr/bin/env bash
# Builds, for the browser version of the game, static WebAssembly copies of
# SDL2, SDL2_image (PNG only, through its own decoder), freetype, SDL2_ttf and
# SDL2_mixer (WAV, and Ogg Vorbis through stb_vorbis), from Debian's own
# source packages and with Debian's emscripten, so that nothing comes from
# outside the Debian archive.
#
# Everything lands in one prefix kept outside the repository (a cache that
# survives between builds): $LEXIRAMA_WEB_DEPS, by default
# /var/cache/lexirama/web-deps, holding include/, lib/*.a and lib/cmake/*.
# A second run with the same versions does nothing.
#
# Compiling and linking against it (em++ from Debian needs NODE_PATH):
#   export NODE_PATH=/usr/share/nodejs
#   em++ ... -I"$P/include" -I"$P/include/SDL2" \
#     -fexceptions -sASYNCIFY -lidbfs.js \
#     -sDEFAULT_LIBRARY_FUNCS_TO_INCLUDE='["$autoResumeAudioContext","$dynCall"]' \
#     "$P/lib/libSDL2_mixer.a" "$P/lib/libSDL2_ttf.a" "$P/lib/libfreetype.a" \
#     "$P/lib/libSDL2_image.a" "$P/lib/libSDL2.a"
# The archives are named by path on purpose: emcc takes -lSDL2_mixer (and
# friends) for a request of its own SDL ports, which it tries to download.
# CMake users can instead pass -DCMAKE_PREFIX_PATH="$P" -DCMAKE_FIND_ROOT_PATH="$P"
# and link SDL2_mixer::SDL2_mixer-static, SDL2_ttf::SDL2_ttf-static,
# SDL2_image::SDL2_image-static and SDL2::SDL2-static.
# Node 18 and later need --no-experimental-fetch to run the generated JS:
# this emscripten otherwise fetches the .wasm by a file path and fails.
set -euo pipefail

prefix="${LEXIRAMA_WEB_DEPS:-/var/cache/lexirama/web-deps}"
versions="libsdl2=2.26.5 libsdl2-image=2.6.3 libsdl2-ttf=2.20.1 freetype=2.12.1 libsdl2-mixer=2.6.2"
# Raised whenever the build options below change, so that an older prefix is rebuilt.
recette=2
stamp="$prefix/.lexirama-web-deps"
export NODE_PATH=/usr/share/nodejs

if [ -f "$stamp" ] && [ "$(cat "$stamp")" = "$versions recette=$recette" ]; then
  echo "$prefix"
  exit 0
fi

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive

outils=(emscripten cmake make dpkg-dev xz-utils)
manquants=()
for paquet in "${outils[@]}"; do
  dpkg-query -W -f='${Status}' "$paquet" 2>/dev/null | grep -q "install ok installed" || manquants+=("$paquet")
done
if [ ${#manquants[@]} -gt 0 ]; then
  echo "Installation de : ${manquants[*]}"
  $sudo apt-get update -qq
  $sudo apt-get install -y -qq --no-install-recommends "${manquants[@]}"
fi

# apt-get source needs deb-src entries; they are derived from the machine's
# own list so that the same mirror (or snapshot) serves the sources.
sources_src=/etc/apt/sources.list.d/lexirama-deb-src.sources
if [ ! -f "$sources_src" ]; then
  echo "Ajout des sources Debian (deb-src)"
  sed 's/^Types: deb$/Types: deb-src/' /etc/apt/sources.list.d/debian.sources \
    | $sudo tee "$sources_src" >/dev/null
  $sudo apt-get update -qq
fi

travail="$(mktemp -d "${TMPDIR:-/var/tmp}/lexirama-web-deps.XXXXXX")"
trap 'rm -rf "$travail"' EXIT
stage="$travail/stage"
mkdir -p "$travail/src" "$stage"

echo "Téléchargement des sources Debian"
cd "$travail/src"
# Lets apt's unprivileged downloader write here rather than warn and fall back to root.
chown _apt "$travail/src" 2>/dev/null || true
for v in $versions; do
  paquet="${v%%=*}"
  apt-get source -qq "$paquet" >/dev/null
  ls -d "$paquet"-"${v#*=}"* >/dev/null
done
srcdir() { ls -d "$travail/src/$1-$2"*/ | head -n1; }

# Static archives only, nothing that reaches out for its own copies of
# third-party code, and the staged prefix first in every search, since the
# emscripten toolchain confines find_* to its sysroot.
commun=(-DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=OFF
        -DCMAKE_INSTALL_PREFIX="$stage" -DCMAKE_INSTALL_LIBDIR=lib
        -DCMAKE_PREFIX_PATH="$stage" -DCMAKE_FIND_ROOT_PATH="$stage")

construit() {
  local nom="$1" source="$2"; shift 2
  echo "Construction de $nom"
  emcmake cmake -S "$source" -B "$travail/build-$nom" "${commun[@]}" "$@" >"$travail/$nom.log" 2>&1 \
    || { tail -n 40 "$travail/$nom.log"; exit 1; }
  { cmake --build "$travail/build-$nom" -j2 && cmake --install "$travail/build-$nom"; } >>"$travail/$nom.log" 2>&1 \
    || { tail -n 40 "$travail/$nom.log"; exit 1; }
}

# The game is built without -pthread, so SDL gets no threads at all.
construit SDL2 "$(srcdir libsdl2 2.26.5)" \
  -DSDL_SHARED=OFF -DSDL_STATIC=ON -DSDL_TEST=OFF -DSDL_TESTS=OFF \
  -DSDL_THREADS=OFF -DSDL_PTHREADS=OFF

construit freetype "$(srcdir freetype 2.12.1)" \
  -DFT_DISABLE_ZLIB=ON -DFT_DISABLE_BZIP2=ON -DFT_DISABLE_PNG=ON \
  -DFT_DISABLE_HARFBUZZ=ON -DFT_DISABLE_BROTLI=ON

# PNG through stb_image, and saving through the bundled miniz: no libpng nor zlib.
construit SDL2_image "$(srcdir libsdl2-image 2.6.3)" \
  -DSDL2_DIR="$stage/lib/cmake/SDL2" \
  -DSDL2IMAGE_VENDORED=OFF -DSDL2IMAGE_DEPS_SHARED=OFF -DSDL2IMAGE_SAMPLES=OFF -DSDL2IMAGE_TESTS=OFF \
  -DSDL2IMAGE_BACKEND_STB=ON -DSDL2IMAGE_PNG=ON -DSDL2IMAGE_PNG_SAVE=ON \
  -DSDL2IMAGE_AVIF=OFF -DSDL2IMAGE_BMP=OFF -DSDL2IMAGE_GIF=OFF -DSDL2IMAGE_JPG=OFF \
  -DSDL2IMAGE_JXL=OFF -DSDL2IMAGE_LBM=OFF -DSDL2IMAGE_PCX=OFF -DSDL2IMAGE_PNM=OFF \
  -DSDL2IMAGE_QOI=OFF -DSDL2IMAGE_SVG=OFF -DSDL2IMAGE_TGA=OFF -DSDL2IMAGE_TIF=OFF \
  -DSDL2IMAGE_WEBP=OFF -DSDL2IMAGE_XCF=OFF -DSDL2IMAGE_XPM=OFF -DSDL2IMAGE_XV=OFF

construit SDL2_ttf "$(srcdir libsdl2-ttf 2.20.1)" \
  -DSDL2_DIR="$stage/lib/cmake/SDL2" -Dfreetype_DIR="$stage/lib/cmake/freetype" \
  -DFREETYPE_INCLUDE_DIR_ft2build="$stage/include/freetype2" \
  -DFREETYPE_INCLUDE_DIR_freetype2="$stage/include/freetype2" \
  -DFREETYPE_LIBRARY="$stage/lib/libfreetype.a" \
  -DSDL2TTF_VENDORED=OFF -DSDL2TTF_HARFBUZZ=OFF -DSDL2TTF_SAMPLES=OFF

# The browser gets the sounds as Ogg Vorbis, decoded by the bundled stb_vorbis.
construit SDL2_mixer "$(srcdir libsdl2-mixer 2.6.2)" \
  -DSDL2_DIR="$stage/lib/cmake/SDL2" \
  -DSDL2MIXER_VENDORED=OFF -DSDL2MIXER_DEPS_SHARED=OFF -DSDL2MIXER_SAMPLES=OFF \
  -DSDL2MIXER_CMD=OFF -DSDL2MIXER_WAVE=ON -DSDL2MIXER_VORBIS=STB \
  -DSDL2MIXER_FLAC=OFF -DSDL2MIXER_MOD=OFF -DSDL2MIXER_MP3=OFF \
  -DSDL2MIXER_MIDI=OFF -DSDL2MIXER_OPUS=OFF

# SDL2_image's package file asks for libpng whenever PNG is on, even though
# the stb backend never uses it; a CMake user without libpng would fail there.
sed -i 's/if(SDL2IMAGE_PNG AND NOT SDL2IMAGE_VENDORED/if(SDL2IMAGE_PNG AND NOT SDL2IMAGE_BACKEND_STB AND NOT SDL2IMAGE_VENDORED/' \
  "$stage/lib/cmake/SDL2_image/SDL2_imageConfig.cmake"
grep -q 'NOT SDL2IMAGE_BACKEND_STB AND' "$stage/lib/cmake/SDL2_image/SDL2_imageConfig.cmake"

# Some installed cmake and pkg-config files name the staging folder; they
# must name the final prefix instead.
grep -rlIF "$stage" "$stage" 2>/dev/null | while read -r f; do
  sed -i "s|$stage|$prefix|g" "$f"
done
echo "$versions recette=$recette" >"$stage/.lexirama-web-deps"

# The prefix is swapped in whole, so an interrupted run leaves either the
# old prefix or none, never a half-filled one carrying the stamp.
$sudo mkdir -p "$(dirname "$prefix")"
$sudo rm -rf "$prefix.new"
$sudo cp -a "$stage" "$prefix.new"
$sudo rm -rf "$prefix"
$sudo mv "$prefix.new" "$prefix"
echo "$prefix"
