#pragma once

// Vérification d'une formule de tableur tapée par l'élève : « =SOMME(A1:A5) », « =MAX(B2:B9) »,
// « =MIN(…) », « =MEDIANE(…) » ou « =A1*B1 » (une cellule, un opérateur, une cellule).

#include "analysis/jugement/jugement.h"

#include <string>
#include <string_view>

namespace jugement {

// Genres de formule : la fonction attendue, ou une opération entre deux cellules.
inline constexpr int formuleSomme = 1;
inline constexpr int formuleOperation = 2;
inline constexpr int formuleMax = 3;
inline constexpr int formuleMin = 4;
inline constexpr int formuleMediane = 5;

// Juge la réponse (sans blancs, en capitales) : chaque écriture refusée donne le verdict 6
// et ses lignes d'aide, écrites après le début de message prefixe. Ensuite la plage lue
// doit être attendu (fonctions) ou figurer dans attendu (opération, qui peut énumérer
// plusieurs formules acceptées) : verdict 1, sinon 3.
TjugementChamp verifierFormuleTableur(int genre, const std::string& prefixe,
                                      std::string_view attendu, std::string_view reponse);

} // namespace jugement
