#!/usr/bin/env bash
# End to end: the built program in a real window under Xvfb and openbox,
# played with the mouse as a player would, checked through the player file
# it writes and through screenshots kept for a look.
#
#   tests/e2e/run.sh BUILD_DIR
#
# 1. First start, no player file: spell JEAN on the alphabet, confirm, quit
#    from the menu; the player file holds the name and the scrambled score.
# 2. Second start: the stored player is offered; switch to a new player and
#    back, confirm without typing, quit; the file still holds Jean.
# 3. Third start: confirm, win the first hangman word and the first word
#    from its definition (both read from the built word files), back to the
#    menu, then end the program with SIGTERM, as a closed session would; the
#    player file is written again with the 10 + 7 points won and both games'
#    progress.
set -euo pipefail

[ $# -eq 1 ] || { echo "usage: $0 BUILD_DIR" >&2; exit 2; }
construction="$(cd "$1" && pwd)"

# shellcheck source=tests/e2e/commun.sh
source "$(dirname "$0")/commun.sh"
programme="$travail/jeu/lexirama"
lanceur=()
fichier_joueur="$travail/jeu/datas/4.bin"

# The program runs from a folder of its own, so that the player file it
# writes lands there and not in the build.
preparer_jeu() {
    mkdir -p "$travail/jeu/datas"
    cp "$construction/lexirama" "$travail/jeu/"
    local f
    for f in "$construction"/datas/*; do
        [ "$(basename "$f")" = 4.bin ] || ln -s "$f" "$travail/jeu/datas/"
    done
    ln -s "$construction/ats" "$travail/jeu/ats"
}

# ------------------------------------------------------------ the run

cmake --build "$construction" --target lexirama lexirama_formes >/dev/null
"$formes_exe" >"$travail/formes.txt"
demarrer_ecran
preparer_jeu

echo "premier lancement"
lancer
capturer 1-premier-joueur
epeler JEAN
capturer 2-jean
cliquer demande_prenom fin_mot
sleep "$pause_ecran"
capturer 3-menu
pointer_sur depart bouton_pendu
capturer 4-invitation-pendu
cliquer depart fin
attendre_fin
verifier_joueur Jean
verifier_score 0

echo "deuxième lancement"
lancer
capturer 5-joueur-connu
cliquer demande_prenom conserver
capturer 6-nouveau-joueur
cliquer demande_prenom conserver
capturer 7-retour-joueur-connu
cliquer demande_prenom fin_mot
sleep "$pause_ecran"
cliquer depart fin
attendre_fin
verifier_joueur Jean

echo "troisième lancement : un mot du pendu et un mot à trouver gagnés, fermé par SIGTERM"
lancer
cliquer demande_prenom fin_mot
sleep "$pause_ecran"
cliquer depart bouton_pendu
sleep 3  # the robot's welcome
mot="$(premier_mot_du_pendu)"
echo "mot du pendu : $mot"
capturer 8-pendu
gagner_le_pendu "$mot"
capturer 9-pendu-gagne
cliquer pendu fin_pendu
sleep "$pause_ecran"
cliquer depart bouton_mot
sleep 3  # the reader's welcome
mot="$(premier_champ "$construction/datas/13.bin" 3)"
echo "mot à trouver : $mot"
taper mot_a_trouver "$mot"
cliquer mot_a_trouver test
sleep 3  # the victory and the score pulse
capturer 10-mot-a-trouver-gagne
cliquer mot_a_trouver fin_mot
sleep "$pause_ecran"
rm "$fichier_joueur"
kill -TERM "$jeu"
attendre_fin
verifier_joueur Jean
verifier_score 17
[ "$(champ_joueur 12)" = 1 ] || echec "position du pendu : $(champ_joueur 12), attendu 1"
[ "$(champ_joueur 18)" = 1 ] || echec "position du mot à trouver : $(champ_joueur 18), attendu 1"
echo "fichier joueur : position du pendu 1, du mot à trouver 1"

echo "de bout en bout : tout est bon"
