#pragma once

// Les correcteurs des inégalités (« x<3 », « x>=-1/2 ») et des encadrements
// (« 1,4<rac(2)<1,5 », « 3<=x<4 »).

#include "analysis/jugement/verdict.h"

#include <string_view>

struct TdonneesCommunes;

namespace verificateurs {

// Signe d'inégalité au début d'un texte : 1 « < », 2 « <= », 3 « > », 4 « >= », 0 aucun ;
// longueur est le nombre de caractères du signe.
struct SigneInegalite {
    int signe = 0;
    std::size_t longueur = 0;
};
SigneInegalite signeInegalite(std::string_view texte);

Tverdict verifierInegalite(TdonneesCommunes& d, int a);
Tverdict verifierEncadrement(TdonneesCommunes& d, int a);

} // namespace verificateurs
