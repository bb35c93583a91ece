#pragma once

// Le correcteur des expressions : la comparaison de la réponse à l'expression attendue
// (valeur, puis écriture développée, réduite, factorisée ou simplifiée) et le message qui
// explique chaque refus.

#include "analysis/jugement/jugement.h"

namespace jugement {

TjugementChamp verifierExpression(const TchampAJuger& champ);

} // namespace jugement
