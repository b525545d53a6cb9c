#!/usr/bin/env bash
# Measures the real program under Xvfb, built in release mode, and prints
# the figures of the performance budget. It prints; it does not judge.
#   from exec to the window mapped, to its first painted frame and to the
#   first frame of the complete first screen (« Qui joue ? » for a returning
#   player: every control drawn, every picture loaded), medians of 15 starts;
#   peak memory; CPU while idle on that screen, on the menu and on the name
#   screen of a first start; the guide animation
#   as frames reaching the window; the time of a full redraw. The load of the
#   machine is printed before and after: other work makes every figure late.
set -euo pipefail
racine="$(cd "$(dirname "$0")/.." && pwd)"
cd "$racine"
scripts/dependances.sh tests
cmake -S . -B build-release -DCMAKE_BUILD_TYPE=Release -DLEXIRAMA_TESTS=OFF -DLEXIRAMA_BENCH=ON > /dev/null
cmake --build build-release -j"$(nproc)" > /dev/null

# A copy of the program in a folder of its own, so no player file is touched.
dossier=$(mktemp -d)
cp build-release/lexirama "$dossier/"
ln -s "$racine/build-release/ats" "$dossier/ats"
mkdir "$dossier/datas"
for f in build-release/datas/*; do ln -s "$racine/$f" "$dossier/datas/"; done

# A display number of the server's choosing: others may be measuring too.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3> "$dossier/ecran" > /dev/null 2>&1 &
xvfb=$!
until [ -s "$dossier/ecran" ]; do sleep 0.1; done
ecran=:$(cat "$dossier/ecran")
export DISPLAY=$ecran SDL_AUDIODRIVER=dummy
# A desktop always has a window manager; without one SDL waits in vain for
# the full-screen switch to be confirmed.
openbox --sm-disable > /dev/null 2>&1 &
gestionnaire=$!
trap 'kill $gestionnaire $xvfb 2> /dev/null || true; rm -rf "$dossier"' EXIT
sleep 0.5

# A stored player, so that one click on the players' screen leads to the menu.
cp tests/fuzz/seeds/player_file_fuzz/jean "$dossier/datas/4.bin"

# Milliseconds from $debut to the first traced event of that name.
moment() {
  awk -v quoi="$1" -v debut="$debut" '$1 == quoi {print int(($3 - debut) / 1000000); exit}' "$dossier/trace"
}

lancer() {
  # The last start's trace must go first: under load, the waiting below may
  # read it before the new program has truncated it.
  rm -f "$dossier/trace"
  debut=$(date +%s%N)
  LEXIRAMA_TRACE=1 "$dossier/lexirama" 2> "$dossier/trace" &
  pid=$!
  # The times come from the trace: polling slowly disturbs the start less.
  until grep -Eq "image-complete (choix_joueur|demande_prenom)" "$dossier/trace" 2> /dev/null; do sleep 0.1; done
}

arreter() { kill -TERM $pid; wait $pid || true; }

mediane() { sort -n | awk '{v[NR] = $1} END {print v[int((NR + 1) / 2)] " (" v[1] "–" v[NR] ")"}'; }

# CPU time of the whole process, threads gone included, over 90 s: the
# kernel counts it in 10 ms steps, and the menu's twitches come at random.
processeur() {
  local avant apres
  avant=$(awk '{print $14 + $15}' /proc/$pid/stat)
  sleep 90
  apres=$(awk '{print $14 + $15}' /proc/$pid/stat)
  local ms=$(( (apres - avant) * 1000 / $(getconf CLK_TCK) ))
  echo "$1 : $ms ms sur 90000 ms ($(awk "BEGIN{printf \"%.3f\", $ms / 900}") % d'un cœur)"
}

echo "== charge de la machine avant : $(uptime)"
echo "== démarrage, 15 essais, en ms depuis l'exec"
: > "$dossier/figures"
for essai in $(seq 1 15); do
  lancer
  fenetre=$(moment fenetre-montree)
  premiere=$(moment premiere-image)
  complet=$(moment image-complete)
  memoire=$(awk '/^VmHWM/ {print int($2 / 1024)}' /proc/$pid/status)
  arreter
  echo "essai $essai : fenêtre montrée $fenetre, première image $premiere, « Qui joue ? » complet $complet, mémoire maximale $memoire Mo"
  echo "$fenetre $premiere $((premiere - fenetre)) $complet $memoire" >> "$dossier/figures"
done
echo "médianes (min–max) :"
echo "  fenêtre montrée            $(awk '{print $1}' "$dossier/figures" | mediane) ms"
echo "  première image             $(awk '{print $2}' "$dossier/figures" | mediane) ms"
echo "  première image − fenêtre   $(awk '{print $3}' "$dossier/figures" | mediane) ms"
echo "  « Qui joue ? » complet     $(awk '{print $4}' "$dossier/figures" | mediane) ms"
echo "  mémoire maximale           $(awk '{print $5}' "$dossier/figures" | mediane) Mo"

echo "== processeur au repos"
lancer
# The ambient sound of the start lasts up to 7 s; the screen is idle after.
sleep 8
processeur "« Qui joue ? »"
# The first card (24, 116, 288 × 90) on a 1024 × 768 screen: × 1.6.
xdotool mousemove 269 258 click 1
sleep 8
processeur "menu"
echo "mémoire maximale après le menu : $(awk '/^VmHWM/ {print int($2 / 1024)}' /proc/$pid/status) Mo"
arreter
# A first start: nobody stored, the name screen.
rm -rf "$dossier/datas/joueurs" "$dossier/datas/4.bin"
lancer
sleep 8
processeur "écran du prénom"
arreter

echo "== animation et dessin"
DISPLAY=$ecran build-release/bench/lexirama_mesures
echo "== charge de la machine après : $(uptime)"
