#!/usr/bin/env bash
# Builds the browser version of Lexirama into build-web/ and serves it on
# this machine only. The pictures, sounds and word files come from a desktop
# build (build/, made here if needed; LEXIRAMA_NATIF names another), since
# their builders run natively; the fonts are the ones the desktop would use.
#   scripts/web.sh                 builds, then serves on http://127.0.0.1:8080/
#   scripts/web.sh --sans-serveur  only builds (LEXIRAMA_WEB_SERVIR=0 does the same)
# LEXIRAMA_WEB_PORT chooses another port.
set -euo pipefail
racine="$(cd "$(dirname "$0")/.." && pwd)"
cd "$racine"
servir="${LEXIRAMA_WEB_SERVIR:-1}"
[ "${1:-}" = "--sans-serveur" ] && servir=0
port="${LEXIRAMA_WEB_PORT:-8080}"
natif="${LEXIRAMA_NATIF:-$racine/build}"
web="$racine/build-web"
export LEXIRAMA_WEB_DEPS="${LEXIRAMA_WEB_DEPS:-/var/cache/lexirama/web-deps}"
export NODE_PATH=/usr/share/nodejs

scripts/dependances.sh web
scripts/web-deps.sh

echo "== fichiers du jeu (construction native)"
[ -f "$natif/CMakeCache.txt" ] ||
  cmake -S . -B "$natif" -DCMAKE_BUILD_TYPE=Release -DLEXIRAMA_TESTS=OFF > /dev/null
cmake --build "$natif" -j2 --target assets

# The police file of the family fontconfig gives, if it gives that family.
police() {
  local famille="$1" graisse="$2" trouvee
  trouvee="$(fc-match -f '%{family[0]}|%{file}' "$famille:weight=$graisse")"
  [ "${trouvee%%|*}" = "$famille" ] && echo "${trouvee#*|}"
}

# Copied with their dates, so that an unchanged file does not link the page
# again. A player saved in the desktop build's datas/ stays there.
preload="$web/preload"
rm -rf "$preload"
mkdir -p "$preload/datas" "$preload/polices"
# The sounds travel as Ogg Vorbis, a sixth of their WAV size: quality 4 keeps
# each sound's level within half a decibel. The mixer knows a sound by its
# content, so each keeps its name, and its date, for the same reason.
mkdir -p "$preload/ats"
for son in "$natif"/ats/*; do
  [ -f "$son" ] || continue
  oggenc --quiet --quality 4 --output "$preload/ats/${son##*/}" "$son"
  touch -r "$son" "$preload/ats/${son##*/}"
done
find "$natif/datas" -maxdepth 1 -type f ! -name '4.bin*' -exec cp -p {} "$preload/datas/" \;
for famille in "Andika" "DejaVu Sans"; do
  normale="$(police "$famille" regular || true)"
  grasse="$(police "$famille" bold || true)"
  if [ -n "$normale" ] && [ -n "$grasse" ]; then
    cp -p "$normale" "$preload/polices/normale.ttf"
    cp -p "$grasse" "$preload/polices/grasse.ttf"
    break
  fi
done
[ -f "$preload/polices/normale.ttf" ] || { echo "Aucune police trouvée : installez fonts-sil-andika ou fonts-dejavu-core." >&2; exit 1; }

echo "== construction pour le navigateur"
emcmake cmake -S . -B "$web" -DCMAKE_BUILD_TYPE=Release -DLEXIRAMA_TESTS=OFF -DLEXIRAMA_ASSETS=OFF \
  -DLEXIRAMA_WEB_DEPS="$LEXIRAMA_WEB_DEPS" > /dev/null
debut=$SECONDS
cmake --build "$web" -j2
echo "Construit en $((SECONDS - debut)) s : $web/index.html"

[ "$servir" = 1 ] || exit 0
echo "Lexirama est servi sur http://127.0.0.1:$port/ (Ctrl+C pour arrêter)"
exec python3 -m http.server --bind 127.0.0.1 --directory "$web" "$port"
