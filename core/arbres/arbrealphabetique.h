#pragma once

// L'index alphabétique (ArbreAlphabetique) : 375 nœuds sous 19 en-têtes de lettre ; seules
// les feuilles sont des entrées. L'identifiant d'un nœud vaut 2500 + son indice absolu.

#include "core/arbres/arbrecontenu.h"

const TarbreContenu& arbreAlphabetique();
