#!/usr/bin/env bash
# Bout en bout : le vrai calvane sous Xvfb. La fenêtre montrée fait 800 × 600 et s'ouvre sur
# l'accueil ; après « Entrée », un clic sur l'onglet « Exercices » montre sa feuille ; une
# capture d'écran vérifie les couleurs des onglets et des barres ; un exercice se lance par
# l'arbre ; l'entrée « Arrondi » de l'index ouvre la fenêtre d'information, qu'un clic ferme ;
# enfin « Quitter » sur l'accueil termine le programme.
# Usage : fenetre.sh <chemin de calvane> [capture.png]
set -euo pipefail

programme=$1
capture=${2:-$(mktemp --suffix=.png)}

# Un numéro d'écran libre : ni verrou ni prise X à ce numéro.
ecran=""
for n in $(seq 90 190); do
    if [ ! -e "/tmp/.X${n}-lock" ] && [ ! -e "/tmp/.X11-unix/X${n}" ]; then
        ecran=$n
        break
    fi
done
[ -n "$ecran" ] || { echo "aucun écran X libre"; exit 1; }

pid_xvfb=""
pid_calvane=""
nettoyer() {
    [ -n "$pid_calvane" ] && kill "$pid_calvane" 2>/dev/null || true
    [ -n "$pid_xvfb" ] && kill "$pid_xvfb" 2>/dev/null || true
}
trap nettoyer EXIT

Xvfb ":$ecran" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
pid_xvfb=$!
export DISPLAY=":$ecran"
for _ in $(seq 100); do
    xdpyinfo >/dev/null 2>&1 && break
    sleep 0.05
done

# Le vrai programme, sur le vrai serveur X (pas la plateforme hors écran des autres tests).
env -u QT_QPA_PLATFORM "$programme" >/dev/null 2>&1 &
pid_calvane=$!

fenetre=$(timeout 20 xdotool search --sync --onlyvisible --name "calvane 3e")
fenetre=${fenetre%%$'\n'*}
eval "$(xdotool getwindowgeometry --shell "$fenetre")"
echo "fenêtre $fenetre : ${WIDTH} × ${HEIGHT} en ($X, $Y)"
[ "$WIDTH" = 800 ] && [ "$HEIGHT" = 600 ] || { echo "taille inattendue"; exit 1; }

pixel() { convert "$capture" -format "%[hex:p{$1,$2}]" info: | cut -c1-6; }
echec=0
verifier() { # x y couleur attendue libellé
    local vu
    vu=$(pixel "$1" "$2")
    if [ "${vu^^}" != "$3" ]; then
        echo "ÉCHEC $4 : ($1, $2) vaut #$vu au lieu de #$3"
        echec=1
    else
        echo "ok $4 : #$vu"
    fi
}
attendre_capture() { # x y couleur : capture jusqu'à voir la couleur (2 s au plus)
    for _ in $(seq 40); do
        import -window root "$capture"
        [ "$(pixel "$1" "$2")" = "${3,,}" ] || [ "$(pixel "$1" "$2")" = "$3" ] && return 0
        sleep 0.05
    done
}

# L'accueil : son vert autour de l'image de fond, dessinée par le programme.
attendre_capture $((X + 3)) $((Y + 595)) 65CD98
verifier $((X + 3)) $((Y + 595)) 65CD98 "fond de l'accueil"
vu=$(pixel $((X + 400)) $((Y + 300)))
if [ "${vu^^}" = 65CD98 ]; then
    echo "ÉCHEC image de l'accueil absente"
    echec=1
else
    echo "ok image de l'accueil : #$vu"
fi

# Accueil, puis « Entrée » au centre bas de la fenêtre. Le programme y a déjà posé le
# pointeur : on l'écarte d'abord, sans quoi « --sync » attendrait un mouvement qui ne vient
# pas.
xdotool mousemove $((X + 10)) $((Y + 10))
xdotool mousemove --sync $((X + 400)) $((Y + 545)) click 1
attendre_capture $((X + 209)) $((Y + 70)) 5DC5AE
verifier $((X + 209)) $((Y + 70)) 5DC5AE "barre du sommaire"

# Onglet « Exercices » : le classeur est centré (5, 15), l'onglet 2 commence à 2 × 157.
xdotool mousemove --sync $((X + 5 + 2 * 157 + 78)) $((Y + 15 + 15)) click 1
attendre_capture $((X + 209)) $((Y + 70)) 109102

couleurs=(5DC5AE FF8B23 109102 00B2F6 F7D323)
noms=(Sommaire Cours Exercices Imagiciels Index)
for i in 0 1 2 3 4; do
    verifier $((X + 5 + i * 157 + 3)) $((Y + 15 + 20)) "${couleurs[$i]}" "onglet ${noms[$i]}"
done
verifier $((X + 209)) $((Y + 70)) 109102 "barre des exercices"
verifier $((X + 400)) $((Y + 15 + 40 + 30 + 150)) FFF7E0 "zone de l'énoncé"
verifier $((X + 400)) $((Y + 15 + 40 + 332)) 109102 "séparation énoncé / solution"
verifier $((X + 400)) $((Y + 15 + 40 + 400)) D9FFCC "zone de la solution"
verifier $((X + 700)) $((Y + 15 + 40 + 520)) F3F59E "barre de score"
verifier $((X + 400)) $((Y + 15 + 40 + 341)) D9FFCC "pas de bouton avant tout exercice"

# Lancement par l'arbre : retour au sommaire, le chapitre 1 se déplie par son triangle, puis
# un double clic sur la feuille « Développer pour factoriser » (6e ligne sous le chapitre)
# lance l'exercice, ce qui montre l'onglet des exercices et le bouton « Correction ».
xdotool mousemove --sync $((X + 5 + 78)) $((Y + 15 + 15)) click 1
attendre_capture $((X + 209)) $((Y + 70)) 5DC5AE
xdotool mousemove --sync $((X + 412)) $((Y + 114)) click 1
xdotool mousemove --sync $((X + 520)) $((Y + 114 + 6 * 17)) click --repeat 2 --delay 80 1
# Le titre du chapitre couvre maintenant le début de la barre : on regarde à sa droite.
attendre_capture $((X + 730)) $((Y + 70)) 109102
verifier $((X + 730)) $((Y + 70)) 109102 "onglet des exercices montré par le lancement"
verifier $((X + 400)) $((Y + 15 + 40 + 341)) FFFFFF "bouton Correction"
# L'index : l'en-tête « A » se déplie par son triangle, puis la feuille « Arrondi » (8e
# ligne sous lui) est sélectionnée et choisie ; la fenêtre d'information s'ouvre à droite
# du pointeur et en dessous (#E0FFE0), un clic sur elle la ferme.
xdotool mousemove --sync $((X + 5 + 4 * 157 + 78)) $((Y + 15 + 15)) click 1
attendre_capture $((X + 209)) $((Y + 70)) F7D323
verifier $((X + 209)) $((Y + 70)) F7D323 "barre de l'index"
xdotool mousemove --sync $((X + 412)) $((Y + 114)) click 1
xdotool mousemove --sync $((X + 480)) $((Y + 114 + 8 * 17)) click 1
sleep 0.2
xdotool click 1
attendre_capture $((X + 480 + 13)) $((Y + 250 + 21)) E0FFE0
verifier $((X + 480 + 13)) $((Y + 250 + 21)) E0FFE0 "fenêtre d'information ouverte"
xdotool mousemove --sync $((X + 600)) $((Y + 340)) click 1
attendre_capture $((X + 480 + 13)) $((Y + 250 + 21)) FFFFFF
verifier $((X + 480 + 13)) $((Y + 250 + 21)) FFFFFF "fenêtre d'information fermée"

# Retour à l'accueil par le bouton de la barre, puis « Quitter » : le programme se termine.
xdotool mousemove --sync $((X + 5 + 4 + 15)) $((Y + 15 + 40 + 15)) click 1
attendre_capture $((X + 3)) $((Y + 595)) 65CD98
verifier $((X + 3)) $((Y + 595)) 65CD98 "retour à l'accueil"
xdotool mousemove --sync $((X + 740)) $((Y + 15 + 549)) click 1
for _ in $(seq 40); do
    kill -0 "$pid_calvane" 2>/dev/null || break
    sleep 0.05
done
if kill -0 "$pid_calvane" 2>/dev/null; then
    echo "ÉCHEC « Quitter » n'a pas terminé le programme"
    echec=1
else
    echo "ok « Quitter » termine le programme"
    pid_calvane=""
fi
exit $echec
