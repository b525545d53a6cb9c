#!/usr/bin/env bash
# End to end: the built program in a real window under Xvfb and openbox,
# played with the mouse as a player would, checked through the player file
# it writes and through screenshots kept for a look.
#
#   tests/e2e/run.sh BUILD_DIR
#
# 1. First start, no player file: spell JEAN on the alphabet, confirm, pick
#    the first picture, quit from the menu; the player file and Jean's own
#    file hold the name and the scrambled score.
# 2. Second start: Jean's card is offered; a new player, LEA, is spelt, picks
#    a picture and wins the first hangman word; Jean's file is untouched.
# 3. Third start: Jean picked by his card, win the first hangman word and the first word
#    from its definition (both read from the built word files), back to the
#    menu, then end the program with SIGTERM, as a closed session would; the
#    player file is written again with the 10 + 7 points won and both games'
#    progress.
# 4. Fourth start: every game opened from its character on the menu and
#    left by its own menu button (a bet answered first: it cannot be left
#    open); each screen must differ from the menu's.
# 5. A gender bet: MENU clicked while the word is spelt does nothing; the
#    player file then holds the score of one settlement.
# 6. Every way out keeps what was won: a hint bought (-2), then the program
#    ended by SORTIE, by closing the window, by SIGTERM, SIGINT, SIGHUP, by
#    the end of the X server, and by all of these at once.
# 7. A second copy started on the same player file says so and ends without
#    writing it; the first plays on.
set -euo pipefail

[ $# -eq 1 ] || { echo "usage: $0 BUILD_DIR" >&2; exit 2; }
construction="$(cd "$1" && pwd)"

# shellcheck source=tests/e2e/commun.sh
source "$(dirname "$0")/commun.sh"
programme="$travail/jeu/lexirama"
lanceur=()
fichier_joueur="$travail/jeu/datas/4.bin"
# Each player's own file, as the players' screen reads them.
fichier_de_jean="$travail/jeu/datas/joueurs/Jean-0.bin"
fichier_de_lea="$travail/jeu/datas/joueurs/Lea-3.bin"

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
capturer 3-personnages
cliquer choix_joueur personnage 0
sleep "$pause_ecran"
capturer 4-menu
pointer_sur depart bouton_pendu
capturer 5-invitation-pendu
cliquer depart fin
attendre_fin
verifier_joueur Jean
verifier_score 0
fichier_joueur="$fichier_de_jean"
verifier_joueur Jean

echo "deuxième lancement : Léa, une deuxième joueuse, gagne un mot du pendu"
lancer
capturer 6-qui-joue
cliquer choix_joueur nouveau
epeler LEA
cliquer demande_prenom fin_mot
sleep "$pause_ecran"
cliquer choix_joueur personnage 3
sleep "$pause_ecran"
cliquer depart bouton_pendu
sleep 3  # the robot's welcome
gagner_le_pendu "$(premier_mot_du_pendu)"
cliquer pendu fin_pendu
sleep "$pause_ecran"
cliquer depart fin
attendre_fin
fichier_joueur="$fichier_de_lea"
verifier_joueur Lea
verifier_score 10
fichier_joueur="$fichier_de_jean"
verifier_joueur Jean
verifier_score 0

echo "troisième lancement : Jean choisi par sa carte, un mot du pendu et un mot à trouver gagnés, fermé par SIGTERM"
lancer
capturer 7-deux-joueurs
cliquer choix_joueur carte 0
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
[ "$(octets "$travail/jeu/datas/4.bin")" = "$(octets "$fichier_de_jean")" ] || echec "4.bin ne garde pas le dernier joueur"
fichier_joueur="$fichier_de_lea"
verifier_score 10
fichier_joueur="$fichier_de_jean"

echo "quatrième lancement : chaque jeu ouvert depuis le menu, puis quitté"
# The menu picture's name (after bouton_ and fin_) and the game's form.
jeux=(pendu:pendu mot:mot_a_trouver 1lettre:unelettre phrase:phrase mystere:mot_mysterieux
      anagramme:anagramme lettre:lettre_en_trop 2mots:deux_mots familles:familles musique:musique
      codes:codes masculin:masculin nombre:nbre_lettres voyelles:voyelles bonneteau:bonneteau)
# Pixels that differ between a capture and the menu's.
ecart_au_menu() {
    local ecart
    ecart="$(compare -metric AE "$captures/11-menu.png" "$captures/$1.png" null: 2>&1 || true)"
    echo "${ecart%% *}"
}

# A game may lock its way out while it prepares (a banner, a draw) or while
# a bet is open: the end button is pressed again until the menu is back.
# Optionally a control is clicked before each try, at each of the indexes
# given in turn: the answer a bet waits for.
revenir_au_menu() {
    local forme=$1 fin=$2 controle=${3:-} essai
    local indexes=("${@:4}")
    for ((essai = 0; essai < 20; essai++)); do
        [ -z "$controle" ] || cliquer "$forme" "$controle" "${indexes[essai % ${#indexes[@]}]}"
        cliquer "$forme" "$fin"
        sleep "$pause_ecran"
        kill -0 "$jeu" 2>/dev/null || echec "le programme s'est arrêté en quittant $forme"
        capturer retour
        (($(ecart_au_menu retour) < largeur_ecran * hauteur_ecran / 10)) && return
    done
    echec "$forme ne rend pas la main au menu"
}

lancer
cliquer choix_joueur carte 0
sleep "$pause_ecran"
capturer 11-menu
for jeu_du_menu in "${jeux[@]}"; do
    nom="${jeu_du_menu%%:*}"
    forme="${jeu_du_menu#*:}"
    cliquer depart "bouton_$nom"
    sleep 2  # the game shows at once; its guide then welcomes the player
    capturer "jeu-$forme"
    (($(ecart_au_menu "jeu-$forme") > largeur_ecran * hauteur_ecran / 3)) || echec "$forme ne s'est pas ouvert"
    case $forme in
        voyelles | nbre_lettres) revenir_au_menu "$forme" "fin_$nom" reponse 0 ;;
        masculin) revenir_au_menu "$forme" "fin_$nom" reponse1 0 ;;
        bonneteau) revenir_au_menu "$forme" "fin_$nom" bonnet 0 1 2 ;;
        *) revenir_au_menu "$forme" "fin_$nom" ;;
    esac
done
cliquer depart fin
attendre_fin
verifier_joueur Jean
echo "les quinze jeux s'ouvrent et rendent la main au menu"

echo "cinquième lancement : MENU pendant un pari sur le genre, puis une seule mise réglée"
# The bets of the round above leave a score of chance, maybe under the stake
# of 10: the bet starts from a score that covers it.
fixer_score 100
lancer
cliquer choix_joueur carte 0
sleep "$pause_ecran"
score_avant="$(score_joueur)"
cliquer depart bouton_masculin
# Left at once, before its first word, the game has no bet to settle: the
# clicks start once the guide's welcome is under way, as in the round above.
# The answer is clicked until its bet is settled (saved before the word is
# spelt), and not once more: a second click would start a second bet.
sleep 2
for ((essai = 0; essai < 20; essai++)); do
    cliquer masculin reponse1 0
    sleep 0.3
    [ "$(score_joueur)" != "$score_avant" ] && break
done
revenir_au_menu masculin fin_masculin
score_apres="$(score_joueur)"
((score_apres == score_avant + 20 || score_apres == score_avant - 10)) ||
    echec "score après un pari de 10 : $score_apres, avant : $score_avant"
cliquer depart fin
attendre_fin
[ "$(score_joueur)" = "$score_apres" ] || echec "score à la sortie : $(score_joueur), attendu $score_apres"
echo "pari réglé une fois : $score_avant -> $score_apres"

echo "sixième série : chaque façon de finir garde l'indice acheté"
fixer_score 100
# The program is on the hangman with a hint just bought; then it ends.
acheter_un_indice() {
    lancer
    cliquer choix_joueur carte 0
    sleep "$pause_ecran"
    cliquer depart bouton_pendu
    sleep 3  # the robot's welcome
    attendu=$(($(score_joueur) - 2))
    cliquer pendu achat_indice
}
fin_de_l_ecran() {
    local pid
    for pid in "$xvfb" "$wm"; do kill -TERM "$pid" 2>/dev/null || true; done
}
for facon in sortie fermeture sigterm sigint sighup ecran tout; do
    acheter_un_indice
    case $facon in
        sortie) cliquer pendu fin_pendu; sleep "$pause_ecran"; cliquer depart fin ;;
        fermeture) xdotool windowactivate --sync "$(fenetre)" key --clearmodifiers alt+F4 ;;
        sigterm) kill -TERM "$jeu" ;;
        sigint) kill -INT "$jeu" ;;
        sighup) kill -HUP "$jeu" ;;
        ecran) fin_de_l_ecran ;;
        tout) kill -TERM "$jeu"; kill -HUP "$jeu"; fin_de_l_ecran ;;
    esac
    attendre_arret
    [ "$(score_joueur)" = "$attendu" ] || echec "$facon : score enregistré $(score_joueur), attendu $attendu"
    echo "$facon : score $attendu gardé"
    case $facon in ecran | tout) demarrer_ecran ;; esac
done

echo "septième lancement : une deuxième copie n'écrit pas le fichier du joueur"
lancer
cliquer choix_joueur carte 0
sleep "$pause_ecran"
avant="$(stat -c %Y.%s "$fichier_joueur")"
sleep 1.1  # a write would change the file's time
# the message box carries neither a process id nor, for xdotool, a name:
# it is the window that was not there before
fenetres_visibles() { xdotool search --all --onlyvisible --class '.*' 2>/dev/null || true; }
fenetres_avant="$(fenetres_visibles)"
env SDL_AUDIODRIVER=dummy "$programme" >>"$travail/jeu2.log" 2>&1 &
deuxieme=$!
pids+=("$deuxieme")
boite=""
for ((i = 0; i < delai_max * 10; i++)); do
    boite="$(fenetres_visibles | grep -vxF "$fenetres_avant" | head -n 1 || true)"
    [ -n "$boite" ] && break
    kill -0 "$deuxieme" 2>/dev/null || break
    sleep 0.1
done
[ -n "$boite" ] || echec "la deuxième copie n'a rien dit"
capturer 12-deja-ouvert
xdotool windowactivate --sync "$boite" key Return
for ((i = 0; i < delai_max * 10; i++)); do kill -0 "$deuxieme" 2>/dev/null || break; sleep 0.1; done
kill -0 "$deuxieme" 2>/dev/null && echec "la deuxième copie ne s'arrête pas"
[ "$(stat -c %Y.%s "$fichier_joueur")" = "$avant" ] || echec "la deuxième copie a écrit le fichier du joueur"
kill -0 "$jeu" 2>/dev/null || echec "la première copie s'est arrêtée"
cliquer depart fin
attendre_fin
echo "une seule copie joue sur le fichier du joueur"

echo "de bout en bout : tout est bon"
