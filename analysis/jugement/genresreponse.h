#pragma once

// Les genres de réponse d'un champ (typeReponse) : ils choisissent le correcteur et les tests
// d'écriture. Tout autre genre est jugé comme un nombre, à la tolérance près, sans test
// d'écriture.

#include <cstdint>

enum class TgenreReponse : std::uint8_t {
    // Aucun genre : champ absent d'une table de questions ; jugé comme un nombre.
    aucun = 0,
    entier = 1,
    decimal = 2,
    deuxPoints = 5,
    fraction = 6,
    nombre = 7,
    couplePoints = 11,
    angle180 = 12,
    angle360 = 13,
    expression = 14,
    factorisee = 16,
    developpee = 17,
    developpeeSansParentheses = 18,
    vraiFaux = 30,
    unPoint = 33,
    troisPoints = 34,
    ouiNon = 35,
    duree = 37,
    formuleTableur = 38,
    solutions = 39,
    inegalite = 40,
    inegaliteStricte = 41,
    encadrement = 42,
    expressionDenominateurs = 43,
    valeursAnnoncees = 44,
    valeursOrdonnees = 45,
    coordonnees = 46,
    quadrilatere = 47,
};
