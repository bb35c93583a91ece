#pragma once

// Le correcteur des noms de points : un point, deux points distincts, un couple ordonné,
// trois points distincts ou les quatre sommets d'un quadrilatère, pris parmi les points de
// la figure (lettresPoints).

#include "analysis/jugement/verdict.h"

struct TdonneesCommunes;

namespace verificateurs {

Tverdict verifierNomsPoints(TdonneesCommunes& d, int a);

} // namespace verificateurs
