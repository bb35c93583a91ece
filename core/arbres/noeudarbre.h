#pragma once

// Un nœud d'arbre de contenu tel que le sommaire l'affiche : son indice absolu (rang dans le
// parcours préfixe de l'arbre), sa profondeur (0 pour une racine), l'indice de son parent
// (−1 pour une racine) et son libellé exact.

#include <string_view>

struct TnoeudArbre {
    int index;
    int niveau;
    int parent;
    std::string_view libelle;
};
