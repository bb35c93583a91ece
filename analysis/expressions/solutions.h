#pragma once

// Lecture des listes de solutions : chaque élément est une expression constante (analysée
// sans lettres) dont on garde la valeur et la forme d'écriture.

#include "analysis/expressions/tlistesolutions.h"

#include <string_view>

namespace analexpr {

// Remplit valeur, forme et simplifiable d'un élément à partir de son texte.
void analyserSolution(Tsolution& solution);

// Lit une liste ; avec trier, les éléments sont rangés par valeur croissante et deux
// valeurs presque égales posent doublon.
void lireListeSolutions(TlisteSolutions& liste, std::string_view texte, bool trier);

} // namespace analexpr
