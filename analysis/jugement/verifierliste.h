#pragma once

// Le correcteur des listes de valeurs : ensemble de solutions (ordre libre, sans doublon),
// valeurs dont le nombre est annoncé, valeurs ordonnées, coordonnées d'un point.

#include "analysis/jugement/jugement.h"

#include "analysis/expressions/tsolution.h"

namespace jugement {

TjugementChamp verifierListe(const TchampAJuger& champ);

// Une valeur juste de l'élève reste mal écrite quand elle se simplifie, quand elle n'est pas
// écrite en entier alors que l'attendue l'est, ou quand c'est une expression là où
// l'attendue est un décimal ou une fraction.
bool valeurSimplifiable(const analexpr::Tsolution& eleve, const analexpr::Tsolution& attendue);

} // namespace jugement
