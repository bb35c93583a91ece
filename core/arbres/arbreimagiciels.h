#pragma once

// L'arbre des imagiciels (ArbreChoixImagiciel) : 25 nœuds, quatre groupes et leurs 21
// figures animables. L'identifiant d'un nœud vaut 1500 + son indice absolu.

#include "core/arbres/arbrecontenu.h"

const TarbreContenu& arbreImagiciels();
