#pragma once

// Le seul générateur pseudo-aléatoire du programme. Il est amorcé une fois au démarrage
// depuis l'horloge (initialiserHasard()), ou avec une graine donnée pour rejouer un tirage
// à l'identique (calvane-banc --graine, les tests). Toutes les données tirées des exercices
// en viennent. Le générateur et ses tirages sont définis ici, sans dépendre de la
// bibliothèque standard, pour qu'une graine donne les mêmes tirages partout.

#include <cstdint>

namespace nombres {

// Amorce le générateur depuis l'horloge ; rend la graine choisie.
std::uint64_t initialiserHasard();

// Amorce le générateur avec la graine donnée.
void initialiserHasard(std::uint64_t graine);

// Entier uniforme dans [0, n) pour n ≥ 1 (0 quand n < 1).
std::int64_t hasardEntier(std::int64_t n);

// Entier uniforme dans [m, n] (m quand n < m).
std::int64_t hasardEntre(std::int64_t m, std::int64_t n);

// Réel uniforme dans [0, 1).
double hasardReel();

} // namespace nombres
