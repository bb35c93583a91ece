#pragma once

// Ce que toute série de questions fixes partage : le rang de la question en cours dans sa
// table, et la question « un nombre à trouver » (calcul ou équation) avec sa solution.

#include "exercises/commun/lignestexte.h"

#include <cstddef>
#include <span>

struct TdonneesCommunes;

// Rang (0 à n − 1) de la question en cours dans une série de n questions : numeroQuestion − 1
// ramené dans ces bornes, pour qu'un numéro inattendu ne lise jamais hors de la table.
std::size_t rangQuestion(const TdonneesCommunes& d, std::size_t n);

// La question en cours d'une table non vide.
template <class T> const T& questionCourante(const TdonneesCommunes& d, std::span<const T> table) {
    return table[rangQuestion(d, table.size())];
}

// Une série de questions fixes et l'indice de l'exercice qui la pose.
template <class T> struct TableIndexee {
    int index;
    std::span<const T> table;
};

// La série de l'exercice d'indice donné ; vide pour un indice qu'aucune ligne ne cite.
template <class T>
std::span<const T> tableDIndex(std::span<const TableIndexee<T>> tables, int index) {
    for (const TableIndexee<T>& t : tables) {
        if (t.index == index) {
            return t.table;
        }
    }
    return {};
}

// Une question dont la réponse est un nombre : ce que l'énoncé affiche (un calcul, une
// équation), la valeur attendue et les lignes de la solution.
struct QuestionNombre {
    const char* enonce;
    double valeur;
    LigneTexte solution[2];
};
