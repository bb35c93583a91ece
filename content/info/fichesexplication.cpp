// Les fiches d'explication que plusieurs entrées de l'index partagent : troncature et
// arrondi, dividende et diviseur, numérateur et dénominateur, critères de divisibilité,
// produits en croix, indices, inégalités strictes et larges. Chacune est une liste de
// lignes de texte balisé, parfois avec un petit tableau ou une potence tracés au crayon.

#include "content/info/dessininfo.h"
#include "display/texte/canevas.h"

namespace {

constexpr TligneInfo troncature[] = {
    {2.5, 2, "La troncature au centième de 9,354 est\u00A0: 9,35."},
    {3.5, 2, "La troncature au centième de 0,725 est\u00A0: 0,72."},
    {4.5, 2, "L'arrondi au centième de 9,354 est\u00A0: 9,35."},
    {5.5, 2, "L'arrondi au centième de 0,725 est\u00A0: 0,73."},
    {6.5, 2, "On arrondit au$-dessus si le chiffre suivant va de 5 à 9."},
};

constexpr TligneInfo dividende[] = {
    {2.5, 2, "dividende"},
    {2.5, 10, "diviseur"},
    {5, 2, "Le dividende est le nombre à diviser."},
    {6, 2, "Le diviseur est le nombre par lequel on divise."},
};

constexpr TligneInfo numerateur[] = {
    {2.5, 2, "Le mot $g$M1numérateur$D1$N vient du mot $g$M1nombre$D1$N."},
    {3.5, 2, "Le mot $g$M1dénominateur$D1$N vient du mot $g$M1nom$D1$N."},
    {4.8, 2, "Dans la fraction deux tiers ( $F2;3; ),"},
    {6.1, 2, "- deux est le nombre (numérateur)"},
    {7.1, 2, "- tiers est le nom (dénominateur)"},
    {8.4, 2, "A mémoriser\u00A0: $F  numérateur;dénominateur;"},
};

constexpr TligneInfo divisibilite[] = {
    {2.5, 2, "Un entier est multiple de ..."},
    {3.5, 2, "2 si le chiffre des unités est 0, 2, 4, 6 ou 8"},
    {4.5, 2, "3 si la somme des chiffres est multiple de 3"},
    {5.5, 2, "5 si le chiffre des unités est 0 ou 5"},
    {6.5, 2, "9 si la somme des chiffres est multiple de 9"},
    {7.5, 2, "et pour les passionnés ..."},
    {8.5, 2, "11 si la somme alternée des chiffres est multiple de 11"},
    {9.5, 2, "Exemple\u00A0: 38291 est un multiple de 11"},
    {10.5, 2, "car  3 - 8 + 2 - 9 + 1 = 6 - 17 = - 11"},
};

constexpr TligneInfo produitsEnCroix[] = {
    {2.5, 2, "L'égalité des produits en croix"},
    {3.5, 2, "est vraie pour deux colonnes"},
    {4.5, 2, "quelconques d'un tableau de"},
    {5.5, 2, "proportionnalité\u00A0:"},
    {6.5, 27, "$r$ga d$K = $Vb c"},
    {7.5, 2, "Pour calculer la quatrième"},
    {8.5, 2, "proportionnelle $rp$K dans ce"},
    {9.5, 2, "tableau de proportionnalité,"},
    {10.5, 2, "on peut écrire l'égalité des"},
    {11.5, 2, "produits en croix\u00A0:"},
    {12.9, 2, "  $r5 $M2$*$D2 p$K = $V1,2 $* 8"},
    {14.5, 2, "$r5 p$K = $V9,6$K   donc   $rp$K = $F9,6; 5; = 1,92"},
    {3.3, 28.5, "$ra"},
    {3.3, 31.5, "$Vb"},
    {4.6, 28.5, "$Vc"},
    {4.6, 31.5, "$rd"},
    {9.3, 28.5, "$r5"},
    {9.3, 31.5, "$V8"},
    {10.6, 28, "$V1,2"},
    {10.5, 31.5, "$rp"},
};

constexpr TligneInfo indices[] = {
    {2.5, 2, "Un produit coûte en moyenne 2 € en Juin 2001 et"},
    {3.5, 2, "2,5 € en Juin 2002"},
    {4.5, 2, "On prend comme indice de base 100 en Juin 2002."},
    {6, 3, "Juin 2001    2    100"},
    {7.4, 3, "Juin 2002   2,5     i"},
    {6, 23, "Il doit y avoir"},
    {7, 23, "proportionnalité."},
    {9, 2, "2 * i = 2,5 * 100  donc  i =  $F2,5 * 100;     2; = 125"},
    {10.5, 2, "L'indice du prix de ce produit en Juin 2002 est 125."},
};

constexpr TligneInfo inegalites[] = {
    {2.5, 2, "x < 3  et  y > 4  sont des inégalités strictes."},
    {3.5, 2, "x <= 3  et  y >= 4  sont des inégalités larges."},
};

// Tableau de 2 × 2 cases tracé en noir, (gauche, haut)–(droite, bas) inclus.
void tableauDeuxDeux(Tcanevas& canevas, int gauche, int haut, int droite, int bas) {
    canevas.definirCrayon(0x000000);
    canevas.pinceauVide();
    canevas.rectangle(gauche, haut, droite + 1, bas + 1);
    const int milieuX = (gauche + droite) / 2;
    const int milieuY = (haut + bas) / 2;
    canevas.ligne(milieuX, haut, milieuX, bas);
    canevas.ligne(gauche, milieuY, droite, milieuY);
}

} // namespace

void dessinerExplication(Tcanevas& canevas, int fiche) {
    switch (fiche) {
    case 2875:
        ecrireLignes(canevas, troncature);
        break;
    case 2876:
        // La potence de la division entre « dividende » et « diviseur ».
        canevas.definirCrayon(0x000000);
        canevas.ligne(86, 33, 86, 78);
        canevas.ligne(86, 51, 137, 51);
        ecrireLignes(canevas, dividende);
        break;
    case 2877:
        ecrireLignes(canevas, numerateur);
        break;
    case 2878:
        ecrireLignes(canevas, divisibilite);
        break;
    case 2879:
        tableauDeuxDeux(canevas, 231, 47, 277, 93);
        tableauDeuxDeux(canevas, 231, 155, 277, 201);
        ecrireLignes(canevas, produitsEnCroix);
        break;
    case 2881: {
        canevas.definirCrayon(0x000000);
        canevas.definirPinceau(0xFFFFE0);
        canevas.rectangle(28, 95, 159, 146);
        // Une ligne entre les deux mois, deux colonnes entre les valeurs.
        canevas.ligne(28, 120, 158, 120);
        canevas.ligne(98, 95, 98, 145);
        canevas.ligne(126, 95, 126, 145);
        ecrireLignes(canevas, indices);
        break;
    }
    case 2882:
        ecrireLignes(canevas, inegalites);
        break;
    default:
        break;
    }
}
