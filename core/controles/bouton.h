#pragma once

// État d'un bouton à image de la fenêtre : visible, actif, et sa bulle d'aide.

#include "core/controles/controle.h"

#include <string>

struct Tbouton : Tcontrole {
    std::string indication;
};
