#pragma once

// Les exercices du chapitre 10 sont des lignes du registre commun (exercises/commun/
// registre.h) : chaque famille (équations de rapports, calculs, placements, problèmes) rend
// la table de ses exercices, que l'unité inscrit.

#include "exercises/commun/registre.h"
