#pragma once

// Un élément d'une liste de solutions tapée par l'élève (« 2 ; -3 », « 1/2;rac(2) ») : son
// texte, sa valeur, sa forme d'écriture et s'il peut être simplifié.

#include <cstddef>
#include <string>

namespace analexpr {

struct Tsolution {
    // Formes : 1 illisible, 2 entier, 3 décimal, 4 fraction d'entiers, 5 fraction dont un
    // terme est décimal, 10 toute autre expression constante lisible (« rac(2) », « 2+1 »).
    enum Forme : int {
        illisible = 1,
        entier = 2,
        decimal = 3,
        fraction = 4,
        fractionDecimale = 5,
        expression = 10
    };

    // Longueur au-delà de laquelle un élément est illisible (en caractères).
    static constexpr std::size_t longueurMaximum = 40;

    // Le texte tel que tapé, sans blancs.
    std::string texte;
    double valeur = 0;
    int forme = illisible;
    bool simplifiable = false;
    // Le texte dépasse longueurMaximum : il est illisible, jamais coupé.
    bool tropLong = false;
};

} // namespace analexpr
