// Le bilan des exercices de la séance : compteurs et pourcentage de réussite (textes du
// noyau), dans une boîte verte à la couleur des exercices.

#include "content/info/dessininfo.h"
#include "core/exercice/bilan.h"
#include "display/texte/canevas.h"

namespace {

constexpr Tcouleur vertBilan = 0x109102;

} // namespace

void dessinerBilan(Tcanevas& canevas, const TdonneesCommunes& d) {
    boiteOmbree(canevas, 29, 32, 271, 163, vertBilan);
    canevas.remplir(29, 23, 92, 44, vertBilan);
    for (const TligneBilan& l : lignesBilan(d)) {
        ecrireInfo(canevas, l.texte, l.ligne, l.colonne);
    }
}
