#pragma once

// Le correcteur des nombres : entiers, décimaux, fractions irréductibles, angles, vrai ou
// faux, oui ou non, durées, formules de tableur, et tout genre de réponse sans correcteur
// propre, jugé comme un nombre à la tolérance près.

#include "analysis/jugement/verdict.h"

struct TdonneesCommunes;

namespace verificateurs {

// Juge le champ a ; valeurDonnee[a] reçoit le nombre lu.
Tverdict verifierNombre(TdonneesCommunes& d, int a);

} // namespace verificateurs
