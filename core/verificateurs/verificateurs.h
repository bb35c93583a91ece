#pragma once

// Les correcteurs des champs de réponse, réunis derrière le correcteur que jugerChamp
// appelle : le genre de réponse du champ (typeReponse) choisit, dans une table, le
// correcteur des nombres, des noms de points, des expressions, des listes, des inégalités
// ou des encadrements. Chaque correcteur rend un verdict (1 exact, 3 faux, 6 illisible,
// 9 mal écrit) et écrit ses messages sous le verdict.

#include "analysis/jugement/verdict.h"

struct TdonneesCommunes;

namespace verificateurs {

// Juge le champ a (1 à 3) selon son genre de réponse ; un genre sans correcteur propre est
// jugé comme un nombre.
Tverdict verifierChamp(TdonneesCommunes& d, int a);

} // namespace verificateurs

// Inscrit verifierChamp comme correcteur de jugerChamp ; le programme, calvane-banc et les
// tests l'appellent au démarrage.
void inscrireVerificateurs();
