#pragma once

// Image de la fenêtre désignée par l'enregistrement commun (images de verdict, images de
// l'accueil, calculatrice). L'image elle-même est dessinée par ui/ ; le noyau ne la connaît
// que par son nom, qui la désigne auprès des zones d'affichage.

#include "controle.h"

#include <string>

struct Timage : Tcontrole {
    std::string nom;
};
