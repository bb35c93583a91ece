#pragma once

// État d'une étiquette de la fenêtre (titres de chapitre et d'exercice) : son texte.

#include "core/controles/controle.h"

#include <string>

struct Tlibelle : Tcontrole {
    std::string texte;
};
