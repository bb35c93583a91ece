#pragma once

// Les correcteurs des inégalités (« x<3 », « x>=-1/2 ») et des encadrements
// (« 1,4<rac(2)<1,5 », « 3<=x<4 »).

#include "analysis/jugement/jugement.h"

#include <string_view>

namespace jugement {

// Signe d'inégalité au début d'un texte : 1 « < », 2 « <= », 3 « > », 4 « >= », 0 aucun ;
// longueur est le nombre de caractères du signe.
struct SigneInegalite {
    int signe = 0;
    std::size_t longueur = 0;
};
SigneInegalite signeInegalite(std::string_view texte);

TjugementChamp verifierInegalite(const TchampAJuger& champ);
TjugementChamp verifierEncadrement(const TchampAJuger& champ);

} // namespace jugement
