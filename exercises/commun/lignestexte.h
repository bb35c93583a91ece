#pragma once

// Les lignes de texte des tables de questions : une ligne balisée placée à une ligne donnée
// de l'énoncé ou de la solution, et l'écriture d'un tableau de lignes.

#include <span>

struct TdonneesCommunes;

// Une ligne de texte balisé placée à une ligne donnée d'une zone d'affichage ; une ligne
// sans texte (nullptr) marque la fin des lignes utiles d'un tableau de lignes.
struct LigneTexte {
    double ligne;
    const char* texte;
};

// Les lignes d'un tableau jusqu'à la première sans texte, dans l'énoncé ou la solution.
void ecrireLignesEnonce(TdonneesCommunes& d, std::span<const LigneTexte> lignes);
void ecrireLignesSolution(TdonneesCommunes& d, std::span<const LigneTexte> lignes);
