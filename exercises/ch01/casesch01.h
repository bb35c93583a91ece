#pragma once

// « Reconnaître une somme, un produit » (indice 2) : six expressions dans des cases, l'élève
// choisit celles qui sont des sommes (question 1) ou des produits (question 2). Son
// correcteur nomme la première case mal choisie ; la question reste ouverte jusqu'à la bonne
// réponse et aucune solution n'est proposée.

#include "analysis/jugement/verdict.h"

struct TdonneesCommunes;

namespace exo5ch01 {

struct ExerciceCh01;

void poserCases(TdonneesCommunes& d, const ExerciceCh01& e);
// Exact quand les cases choisies sont les justes ; sinon faux, avec l'explication de la
// première case mal choisie.
Tverdict jugerCases(TdonneesCommunes& d);

} // namespace exo5ch01
