#pragma once

// Le correcteur des noms de points : un point, deux points distincts, un couple ordonné,
// trois points distincts ou les quatre sommets d'un quadrilatère, pris parmi les points de
// la figure (lettresPoints).

#include "analysis/jugement/jugement.h"

namespace jugement {

TjugementChamp verifierNomsPoints(const TchampAJuger& champ);

} // namespace jugement
