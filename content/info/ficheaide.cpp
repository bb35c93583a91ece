// L'aide à l'écriture des expressions, ouverte par le bouton « ? » d'un exercice : comment
// taper le signe multiplier, une fraction, une puissance, π, une racine, les inégalités
// larges, une équation sans solution et une liste.

#include "content/info/dessininfo.h"
#include "display/texte/canevas.h"

namespace {

constexpr Tcouleur orangeAide = 0xFFBD35;

constexpr TligneInfo lignes[] = {
    {2.5, 4, "$nPour le signe multiplier, utiliser\u00A0:  $e"},
    {3.5, 4, "$nPour le signe diviser ou une fraction, utiliser\u00A0:  /"},
    {4.5, 4, "$nPour une puissance, utiliser\u00A0: p  ou bien ^$N "},
    {5.5, 4, "   $n(appuyer sur la touche ^, puis sur la touche espace)"},
    {6.8, 4, "   $nExemple\u00A0: x^2 ou xp2 sera compris comme x$0 2$1$N"},
    {7.9, 4, "$nPour $M2$~p$D2, utiliser\u00A0: pi"},
    {8.9, 4, "$nPour une racine carrée, utiliser\u00A0: rac( )"},
    {10, 4, "Pour  >=  ou  <= , écrire\u00A0: Supégal  ou  Infégal"},
    {11.2, 4, "Pour une équation sans solution, écrire\u00A0: pas de solution"},
    {12.2, 4, "Pour une liste, séparer avec des point$-virgule"},
};

} // namespace

void dessinerAide(Tcanevas& canevas) {
    boiteOmbree(canevas, 25, 23, 383, 244, orangeAide);
    canevas.remplir(25, 14, 309, 35, orangeAide);
    ecrireInfo(canevas, "$g$H$bAide pour l'écriture des expressions", 1.31, 3.5);
    ecrireLignes(canevas, lignes);
}
