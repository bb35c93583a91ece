#pragma once

// État d'un champ de réponse (Edit1, Edit2, Edit3) : le texte tapé par l'élève, sa longueur
// maximale en caractères et l'état « lecture seule » pendant qu'une réponse est jugée.

#include "core/controles/controle.h"

#include <string>

struct TchampSaisie : Tcontrole {
    std::string texte;
    int longueurMax = 0;
    bool lectureSeule = false;
};
