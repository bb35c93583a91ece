#pragma once

// Une liste d'au plus 10 valeurs numériques tapées comme une seule réponse, séparées par
// « ; », ou « pas de solution » (liste vide). etatListe vaut 2 quand la liste a plus de
// 10 éléments ou un élément illisible, 3 quand un élément est trop long ; les éléments lus
// jusque-là restent.

#include "analysis/expressions/tsolution.h"

#include <array>
#include <string>

namespace analexpr {

struct TlisteSolutions {
    static constexpr int solutionsMaximum = 10;
    // etatListe d'une liste dont un élément dépasse Tsolution::longueurMaximum.
    static constexpr int elementTropLong = 3;

    std::string texte;
    // Éléments 1 à 10 (l'indice 0 ne sert pas).
    std::array<Tsolution, solutionsMaximum + 1> solutions{};
    int nombreSolutions = 0;
    int etatListe = 0;
    // Le tri a rencontré deux éléments de même valeur.
    bool doublon = false;
};

} // namespace analexpr
