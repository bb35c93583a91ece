#pragma once

// Une série statistique tirée au hasard par les exercices de statistique : de 4 à 8
// valeurs croissantes, leurs effectifs, l'effectif total et les poids qui ont servi au
// tirage.

#include "core/tableauun.h"

struct Tserie {
    int nombreValeurs = 0;
    TtableauUn<int, 8> effectifs;
    TtableauUn<double, 8> valeurs;
    int effectifTotal = 0;
    TtableauUn<int, 8> poids;
    int sommePoids = 0;
};
