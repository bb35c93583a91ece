#pragma once

// L'arbre des pages de cours (ArbreChoixCours) : 156 nœuds, les 14 chapitres avec leurs
// sections « Le cours » et « Les savoir-faire », puis le formulaire ; les 113 feuilles sont
// les pages. L'identifiant d'un nœud vaut 1000 + son indice absolu.

#include "core/arbres/arbrecontenu.h"

const TarbreContenu& arbreCours();
