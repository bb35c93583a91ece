#pragma once

// L'index par thème (ArbreParTheme) : 145 nœuds sous trois racines (« Numérique »,
// « Organisation et gestion de données, fonctions », « Géométrie ») ; seules les feuilles
// sont des entrées. L'identifiant d'un nœud vaut 2000 + son indice absolu.

#include "core/arbres/arbrecontenu.h"

const TarbreContenu& arbreTheme();
