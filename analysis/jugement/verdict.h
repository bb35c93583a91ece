#pragma once

// Verdict du jugement d'un champ de réponse, et de la question. Les verdicts 6 et 9 donnent
// un message et ne comptent pas l'essai.

#include <cstdint>

enum class Tverdict : std::uint8_t {
    aucun = 0, // rien n'a encore été jugé
    exact = 1,
    faux = 3,
    illisible = 6, // réponse illisible ou écriture non permise
    malEcrit = 9,  // bonne valeur, mais pas sous la forme demandée
};

// Exact, ou juste mais mal écrit : la valeur est bonne.
constexpr bool valeurJuste(Tverdict v) {
    return v == Tverdict::exact || v == Tverdict::malEcrit;
}
