#!/usr/bin/env bash
# End to end through the Debian package: build lexirama_<version>_amd64.deb,
# install it, start `lexirama` as an ordinary user under Xvfb, spell a name,
# confirm, quit, and find the player file in that user's data folder (the
# installed program's own folder is not the user's to write). Then remove
# the package and the user again.
#
#   tests/e2e/paquet.sh BUILD_DIR        (as root)
set -euo pipefail

[ $# -eq 1 ] || { echo "usage: $0 BUILD_DIR" >&2; exit 2; }
construction="$(cd "$1" && pwd)"
utilisateur=lexirama-essai

# shellcheck source=tests/e2e/commun.sh
source "$(dirname "$0")/commun.sh"

retirer() {
    dpkg -r lexirama >/dev/null 2>&1 || true
    userdel -r "$utilisateur" >/dev/null 2>&1 || true
}
nettoyer=retirer

cmake --build "$construction" --target lexirama lexirama_formes >/dev/null
(cd "$construction" && cpack -G DEB >/dev/null)
paquet="$(ls "$construction"/lexirama_*_amd64.deb)"
echo "paquet : $(basename "$paquet")"
retirer
dpkg -i "$paquet" >/dev/null
useradd -m "$utilisateur"

programme="$(command -v lexirama || echo /usr/games/lexirama)"
[ -x "$programme" ] || echec "lexirama n'est pas installé"
lanceur=(HOME="/home/$utilisateur" setpriv --reuid="$utilisateur" --regid="$utilisateur" --init-groups)
fichier_joueur="/home/$utilisateur/.local/share/lexirama/4.bin"

"$formes_exe" >"$travail/formes.txt"
demarrer_ecran

echo "premier lancement du programme installé"
lancer
epeler LEA
cliquer demande_prenom fin_mot
sleep "$pause_ecran"
cliquer choix_joueur personnage 0
sleep "$pause_ecran"
capturer paquet-menu
cliquer depart fin
attendre_fin
verifier_joueur Lea
verifier_score 0

echo "deuxième lancement : le même joueur"
lancer
capturer paquet-joueur-connu
cliquer choix_joueur carte 0
sleep "$pause_ecran"
cliquer depart fin
attendre_fin
verifier_joueur Lea
[ -f "/home/$utilisateur/.local/share/lexirama/joueurs/Lea-0.bin" ] || echec "pas de fichier joueurs/Lea-0.bin"
echo "paquet : tout est bon"
