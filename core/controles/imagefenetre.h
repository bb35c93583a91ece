#pragma once

// Image de la fenêtre désignée par l'enregistrement commun (images de verdict, images de
// l'accueil, calculatrice). L'image elle-même est dessinée par ui/, qui la fait désigner par
// `image` ; le noyau la pose dans les zones d'affichage sans la dessiner.

#include "core/controles/controle.h"

#include <string>

class QImage;

struct TimageFenetre : Tcontrole {
    std::string nom;
    const QImage* image = nullptr;
};
