#pragma once

// L'environnement sans fenêtre dans lequel calvane-banc fait vivre un exercice : les
// contrôles de la fenêtre et leurs zones, une plateforme scriptée, l'enregistrement commun
// lié aux deux, les unités de chapitre inscrites. Chaque exemplaire est neuf : deux
// exercices joués l'un après l'autre ne partagent rien.

#include "core/donneescommunes.h"
#include "core/plateforme/sansfenetre.h"

struct EnvironnementBanc : TsansFenetre {
    EnvironnementBanc();
};

// Vrai quand la question posée a un énoncé : un texte, un champ ou des cases.
bool questionPosee(const TdonneesCommunes& d);
