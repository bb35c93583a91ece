#pragma once

// L'arbre des exercices (ArbreChoixExercice) : 605 nœuds, les 14 chapitres, leurs sections et
// leurs 460 exercices (les feuilles). L'identifiant d'un nœud est son indice absolu.

#include "core/arbres/arbrecontenu.h"

const TarbreContenu& arbreExercices();
