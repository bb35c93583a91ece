#include "display/zones/objettexte.h"

#include "display/texte/textemarque.h"

Ttexte::Ttexte() : TobjetZone(genreTexte, Tclasse::texte) {
    style = 1;
    taille = 11;
}

void Ttexte::peindre(Tcanevas& canevas, TzoneAffichage&) {
    if (!affiche) {
        return;
    }
    double plume = x;
    dessinerTexteMarque(canevas, texte, plume, y, couleur, 11, 12);
    xFin = plume;
}
