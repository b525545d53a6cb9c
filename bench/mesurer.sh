#!/usr/bin/env bash
# Measures the real program under Xvfb, built in release mode, and prints
# the figures of the performance budget. It prints; it does not judge.
#   start to the name screen's first frame, peak memory, CPU while idle on
#   the menu, the length of a 13 × 130 ms guide animation, the time of a
#   full redraw.
set -euo pipefail
racine="$(cd "$(dirname "$0")/.." && pwd)"
cd "$racine"
scripts/dependances.sh tests
cmake -S . -B build-release -DCMAKE_BUILD_TYPE=Release -DLEXIRAMA_TESTS=OFF -DLEXIRAMA_BENCH=ON > /dev/null
cmake --build build-release -j"$(nproc)" > /dev/null

ecran=:97
Xvfb $ecran -screen 0 1024x768x24 -nolisten tcp > /dev/null 2>&1 &
xvfb=$!
sleep 1
export DISPLAY=$ecran SDL_AUDIODRIVER=dummy
# A desktop always has a window manager; without one SDL waits in vain for
# the full-screen switch to be confirmed.
openbox --sm-disable > /dev/null 2>&1 &
gestionnaire=$!
trap 'kill $gestionnaire $xvfb 2> /dev/null || true' EXIT
sleep 0.5

# A copy of the program in a folder of its own, so no player file is touched.
dossier=$(mktemp -d)
cp build-release/lexirama "$dossier/"
ln -s "$racine/build-release/ats" "$dossier/ats"
mkdir "$dossier/datas"
for f in build-release/datas/*; do ln -s "$racine/$f" "$dossier/datas/"; done
# A stored player, so that one click on the name screen leads to the menu.
cp tests/fuzz/seeds/player_file_fuzz/jean "$dossier/datas/4.bin"

echo "== démarrage jusqu'au premier affichage de l'écran du prénom (5 essais)"
for essai in 1 2 3 4 5; do
  debut=$(date +%s%N)
  LEXIRAMA_TRACE=1 "$dossier/lexirama" 2> "$dossier/trace" &
  pid=$!
  until grep -q "premiere-image demande_prenom" "$dossier/trace" 2> /dev/null; do sleep 0.01; done
  image=$(grep "premiere-image demande_prenom" "$dossier/trace" | awk '{print $3}')
  if [ "$essai" = 1 ]; then
    echo "== processeur pendant 10 s d'attente sur le menu"
    # The confirm button (510, 421, 105 × 33) on a 1024 × 768 screen: × 1.6.
    sleep 1
    xdotool mousemove 900 700 click 1
    sleep 2
    avant=$(awk '{print $14 + $15}' /proc/$pid/stat)
    sleep 10
    apres=$(awk '{print $14 + $15}' /proc/$pid/stat)
    echo "processeur : $(( (apres - avant) * 10 )) ms sur 10000 ms ($(awk "BEGIN{printf \"%.2f\", ($apres-$avant)*10/100}") % d'un cœur)"
  fi
  memoire=$(awk '/^VmHWM/ {print int($2 / 1024)}' /proc/$pid/status)
  kill -TERM $pid; wait $pid || true
  echo "essai $essai : $(( (image - debut) / 1000000 )) ms, mémoire maximale $memoire Mo"
done

echo "== attentes et dessin"
DISPLAY=$ecran build-release/bench/lexirama_mesures
rm -rf "$dossier"
