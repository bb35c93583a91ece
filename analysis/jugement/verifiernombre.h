#pragma once

// Le correcteur des nombres : entiers, décimaux, fractions irréductibles, angles, vrai ou
// faux, oui ou non, durées, formules de tableur, et tout genre de réponse sans correcteur
// propre, jugé comme un nombre à la tolérance près.

#include "analysis/jugement/jugement.h"

namespace jugement {

// Juge le champ ; valeurLue reçoit le nombre lu.
TjugementChamp verifierNombre(const TchampAJuger& champ);

} // namespace jugement
