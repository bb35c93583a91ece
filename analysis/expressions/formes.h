#pragma once

// Les règles d'écriture : un parcours de l'arbre qui calcule les attributs de chaque nœud
// à partir de ceux de ses opérandes (monôme, coefficient, signe, racine, degrés, facteurs)
// et marque l'expression non développée, réductible ou simplifiable quand il voit un motif
// révélateur (deux nombres multipliés, un facteur 1, une fraction réductible, la racine
// d'un carré parfait, deux termes semblables…). On ne calcule jamais de forme normale.

#include "analysis/expressions/texpression.h"

#include <string_view>

namespace analexpr {

// Calcule les attributs de tous les nœuds d'un arbre construit sans erreur, opérandes
// d'abord, et les marques de l'expression entière.
void calculerFormes(Texpression& expression);

// Vrai quand une racine du premier texte et une racine du second ont des radicandes dont le
// produit est un carré parfait (« rac(2) » et « rac(8) ») ; faux si un texte contient π.
bool racinesCombinables(std::string_view texteA, std::string_view texteB);

} // namespace analexpr
