#pragma once

// Une case cliquable d'un exercice à cases (mode de réponse 4) : son rectangle en pixels de
// la zone de l'énoncé, le numéro de son étiquette (0 : aucune), et si elle existe dans la
// question et si l'élève l'a choisie.

#include <cstdint>

struct TcaseChoix {
    double xGauche = 0;
    double xDroite = 0;
    double yHaut = 0;
    double yBas = 0;
    std::uint8_t etiquette = 0;
    bool active = false;
    bool choisie = false;
};
