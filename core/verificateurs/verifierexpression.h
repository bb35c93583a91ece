#pragma once

// Le correcteur des expressions : la comparaison de la réponse à l'expression attendue
// (valeur, puis écriture développée, réduite, factorisée ou simplifiée) et le message qui
// explique chaque refus.

#include "analysis/jugement/verdict.h"

struct TdonneesCommunes;

namespace verificateurs {

Tverdict verifierExpression(TdonneesCommunes& d, int a);

} // namespace verificateurs
