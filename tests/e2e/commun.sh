# Shared by the end-to-end scenarios: a display of our own, the program
# started and ended, the mouse moved onto controls found in the program's own
# form definitions, and the player file read back.
#
# A scenario sets, before sourcing this file:
#   construction   the build folder (for the form dump and the word files)
#   programme      the executable to start; lanceur: the words before it
#                  (an array, empty to start it as ourselves)
#   fichier_joueur where the program writes the player file
# and may set nettoyer, a function run when the scenario ends.

formes_exe="$construction/tests/e2e/lexirama_formes"
largeur_ecran=1024
hauteur_ecran=768
pause_clic=0.3        # after a click, for its handler to run
pause_ecran=1.5       # for a screen to appear and settle
delai_max=20          # seconds to wait for a window, a start or an end

travail="$(mktemp -d /tmp/lexirama-e2e.XXXXXX)"
chmod 755 "$travail"
captures="$travail/captures"
mkdir -p "$captures"
pids=()

finir() {
    local pid
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    for pid in "${pids[@]}"; do wait "$pid" 2>/dev/null || true; done
    rm -rf "$travail/jeu"
    [ -z "${nettoyer:-}" ] || "$nettoyer"
    echo "captures d'écran : $captures"
}
trap finir EXIT

echec() {
    echo "ÉCHEC : $*" >&2
    capturer echec || true
    exit 1
}

# ------------------------------------------------------------ the display

# A display of our own, numbered away from the usual ones so that another
# X server started on this machine at the same time keeps out of its way.
demarrer_ecran() {
    local n i
    for ((n = 140; n < 200; n++)); do
        [ -e "/tmp/.X$n-lock" ] && continue
        Xvfb ":$n" -screen 0 "${largeur_ecran}x${hauteur_ecran}x24" -nolisten tcp >"$travail/xvfb.log" 2>&1 &
        xvfb=$!
        for ((i = 0; i < delai_max * 10; i++)); do
            kill -0 "$xvfb" 2>/dev/null || break
            if xdpyinfo -display ":$n" >/dev/null 2>&1; then
                pids+=("$xvfb")
                export DISPLAY=":$n"
                openbox --sm-disable >"$travail/openbox.log" 2>&1 &
                wm=$!
                pids+=("$wm")
                sleep 0.5
                return
            fi
            sleep 0.1
        done
        kill "$xvfb" 2>/dev/null || true
        wait "$xvfb" 2>/dev/null || true
    done
    echec "Xvfb n'a pas démarré"
}

capturer() {
    import -window root "$captures/$1.png"
}

# ------------------------------------------------------------ the program

# The program's window, looked up each time: the window system may replace
# it while the renderer starts.
fenetre() { xdotool search --all --onlyvisible --pid "$jeu" --name '^Lexirama$' 2>/dev/null | head -n 1; }

lancer() {
    # SIGINT as a terminal gives it (a job started in the background ignores it)
    env --default-signal=INT SDL_AUDIODRIVER=dummy "${lanceur[@]}" "$programme" >>"$travail/jeu.log" 2>&1 &
    jeu=$!
    pids+=("$jeu")
    local i
    for ((i = 0; i < delai_max * 10; i++)); do
        [ -n "$(fenetre)" ] && break
        kill -0 "$jeu" 2>/dev/null || echec "le programme s'est arrêté au démarrage (voir $travail/jeu.log)"
        sleep 0.1
    done
    [ -n "$(fenetre)" ] || echec "aucune fenêtre Lexirama"
    sleep "$pause_ecran"  # the title, then the name screen
}

# Any end will do, an error included (the display gone, a signal).
attendre_arret() {
    local i
    for ((i = 0; i < delai_max * 10; i++)); do
        kill -0 "$jeu" 2>/dev/null || { wait "$jeu" || true; return; }
        sleep 0.1
    done
    echec "le programme ne s'est pas arrêté"
}

attendre_fin() {
    local i
    for ((i = 0; i < delai_max * 10; i++)); do
        kill -0 "$jeu" 2>/dev/null || { wait "$jeu" || echec "le programme a fini en erreur"; return; }
        sleep 0.1
    done
    echec "le programme ne s'est pas arrêté"
}

# ------------------------------------------------------------ the mouse

# The 640 × 480 canvas is letterboxed in the full-screen window: the largest
# scale that fits, centred. Moves the pointer to the middle of a control.
pointer_sur() {
    local forme=$1 controle=$2 index=${3:--1}
    local rect
    rect="$(awk -v f="$forme" -v c="$controle" -v i="$index" \
        '$1 == f && $2 == c && $3 == i { print $4, $5, $6, $7; exit }' "$travail/formes.txt")"
    [ -n "$rect" ] || echec "pas de contrôle $forme.$controle($index)"
    local geometrie
    geometrie="$(xdotool getwindowgeometry --shell "$(fenetre)")"
    local point
    point="$(awk -v rect="$rect" -v geo="$geometrie" 'BEGIN {
        split(rect, r, " ")
        n = split(geo, lignes, "\n")
        for (k = 1; k <= n; k++) { split(lignes[k], kv, "="); g[kv[1]] = kv[2] }
        s = g["WIDTH"] / 640; if (g["HEIGHT"] / 480 < s) s = g["HEIGHT"] / 480
        ox = g["X"] + (g["WIDTH"] - 640 * s) / 2
        oy = g["Y"] + (g["HEIGHT"] - 480 * s) / 2
        printf "%d %d", ox + (r[1] + r[3] / 2) * s, oy + (r[2] + r[4] / 2) * s
    }')"
    # shellcheck disable=SC2086
    xdotool mousemove $point
    sleep 0.1
}

cliquer() {
    pointer_sur "$@"
    xdotool click 1
    sleep "$pause_clic"
}

# Spells a word on a screen's alphabet (the name screen's or a game's).
taper() {
    local forme=$1 mot=$2 k
    for ((k = 0; k < ${#mot}; k++)); do
        cliquer "$forme" lettre $(($(printf '%d' "'${mot:k:1}") - 65))
    done
}

epeler() { taper demande_prenom "$1"; }

# ------------------------------------------------------------ the player file

octets() { od -An -tx1 -v "$1" | tr -s ' \n' ' ' | sed 's/^ //; s/ $//'; }

# Each byte of the name and its suffix is stored 4 codes higher.
nom_code() {
    local texte="${1}Lexirama" k sortie=""
    for ((k = 0; k < ${#texte}; k++)); do
        sortie+=" $(printf '%02x' $(($(printf '%d' "'${texte:k:1}") + 4)))"
    done
    echo "${sortie# }"
}

# A stored profile, the scrambled score (checked by verifier_score), then
# the name as a tagged text.
verifier_joueur() {
    local prenom=$1 fichier="$fichier_joueur"
    [ -f "$fichier" ] || echec "pas de fichier joueur"
    local longueur=$((${#prenom} + 8))
    local attendu
    attendu="02 00 01 00 $(octets "$fichier" | cut -d' ' -f5-8) 08 00 $(printf '%02x' "$longueur") 00 $(nom_code "$prenom")"
    local lu
    lu="$(octets "$fichier")"
    [ "${lu:0:${#attendu}}" = "$attendu" ] || echec "fichier joueur : $lu, attendu au début : $attendu"
    echo "fichier joueur : $prenom"
}

# The tagged field N (4 to 24) of the player file as a number, or "vide".
champ_joueur() {
    local n=$1 fichier="$fichier_joueur"
    local -a o
    read -r -a o <<<"$(octets "$fichier")"
    local p=0 k code
    for ((k = 1; k <= n; k++)); do
        if ((k == 2)); then p=$((p + 4)); continue; fi
        code=$((16#${o[p]} + 256 * 16#${o[p + 1]}))
        p=$((p + 2))
        case $code in
            0) valeur=vide ;;
            2) valeur=$((16#${o[p]} + 256 * 16#${o[p + 1]})); p=$((p + 2)) ;;
            3) valeur=$((16#${o[p]} + 256 * 16#${o[p + 1]} + 65536 * 16#${o[p + 2]} + 16777216 * 16#${o[p + 3]})); p=$((p + 4)) ;;
            8) p=$((p + 2 + 16#${o[p]} + 256 * 16#${o[p + 1]})) ;;
            *) echec "champ $k : type $code inconnu" ;;
        esac
    done
    echo "$valeur"
}

# The score as stored, unscrambled: (stored / 2 + 123) / 4.
score_joueur() {
    local -a o
    read -r -a o <<<"$(octets "$fichier_joueur")"
    local brouille=$((16#${o[4]} + 256 * 16#${o[5]} + 65536 * 16#${o[6]} + 16777216 * 16#${o[7]}))
    ((brouille >= 2147483648)) && brouille=$((brouille - 4294967296))
    echo $(((brouille / 2 + 123) / 4))
}

# Writes a score into the player file, scrambled as the program stores it.
fixer_score() {
    local brouille=$((($1 * 4 - 123) * 2)) k
    for ((k = 0; k < 4; k++)); do
        printf "\\$(printf '%03o' $(((brouille >> (8 * k)) & 255)))"
    done | dd of="$fichier_joueur" bs=1 seek=4 conv=notrunc status=none
}

# The score as stored: (score × 4 − 123) × 2, four bytes little-endian.
verifier_score() {
    local score=$1 fichier="$fichier_joueur"
    local brouille=$(((score * 4 - 123) * 2))
    local attendu
    attendu="$(printf '%08x' $((brouille & 0xffffffff)) | sed 's/\(..\)\(..\)\(..\)\(..\)/\4 \3 \2 \1/')"
    local lu
    lu="$(octets "$fichier" | cut -d' ' -f5-8)"
    [ "$lu" = "$attendu" ] || echec "score enregistré : $lu, attendu $attendu (score $score)"
    echo "fichier joueur : score $score"
}

# Field N of the first record of a built word file, decoded: separators,
# quotes and line ends are stored as they are, every other code 4 higher.
premier_champ() {
    local fichier=$1 n=$2 code entre_guillemets=0 champ=1 texte=""
    while read -r code; do
        if ((code == 34)); then
            entre_guillemets=$((1 - entre_guillemets))
        elif ((!entre_guillemets && (code == 44 || code == 13))); then
            ((champ == n)) && break
            champ=$((champ + 1))
        elif ((code != 10 && champ == n)); then
            texte+="$(printf "\\$(printf '%03o' $((code - 4)))")"
        fi
    done < <(head -c 4000 "$fichier" | od -An -tu1 -v | tr -s ' ' '\n' | sed '/^$/d')
    echo "$texte"
}

premier_mot_du_pendu() { premier_champ "$construction/datas/11.bin" 1; }

# Plays each letter of the word once: the hangman reveals every place.
gagner_le_pendu() {
    local mot=$1 k deja=""
    for ((k = 0; k < ${#mot}; k++)); do
        [[ "$deja" == *"${mot:k:1}"* ]] || deja+="${mot:k:1}"
    done
    taper pendu "$deja"
    sleep 3  # the victory, the score pulse and the robot's dance
}

