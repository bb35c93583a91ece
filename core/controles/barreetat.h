#pragma once

// État de la barre d'état de l'onglet des exercices : un seul panneau de texte, la ligne de
// score.

#include "core/controles/controle.h"

#include <string>

struct TbarreEtat : Tcontrole {
    std::string texte;
};
