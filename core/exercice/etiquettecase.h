#pragma once

// L'étiquette d'une case cliquable : un texte balisé et sa demi-largeur dessinée, en
// colonnes de 8 pixels, qui sert à la centrer dans la case.

#include "core/chaineborne.h"

struct TetiquetteCase {
    TchaineBornee<120> texte;
    double demiLargeur = 0;
};
