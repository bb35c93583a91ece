#pragma once

// Une erreur d'analyse d'expression décrite pour l'élève : son code, la phrase qui suit
// « La réponse » dans le message, les lignes d'explication qui la suivent, le code de
// résultat de la comparaison qu'elle donne, et un exemple de texte qui la produit. La table
// de ces descriptions est la seule correspondance entre codes et messages.

#include "analysis/expressions/codeerreur.h"
#include "analysis/expressions/comparaison.h"

#include <string>
#include <string_view>
#include <vector>

namespace analexpr {

struct ErreurAnalyse {
    TcodeErreur code = TcodeErreur::aucune;
    std::string_view phrase;
    std::vector<std::string_view> explications;
    TresultatComparaison codeComparaison = TresultatComparaison::acceptee;
    std::string_view exemple;
    std::string_view lettresExemple;

    // Le message complet : « La réponse » + la phrase, puis les explications.
    std::string message() const;
};

// Description de l'erreur de ce code (0 : aucune erreur, phrase vide) ; un code inconnu est
// décrit comme un texte mal écrit.
const ErreurAnalyse& erreurAnalyse(TcodeErreur code);

// La première erreur décrite qui donne ce résultat de comparaison ; un résultat qu'aucune
// erreur ne donne est décrit comme un texte mal écrit.
const ErreurAnalyse& erreurDuResultat(TresultatComparaison codeComparaison);

// Toutes les erreurs décrites, dans l'ordre des codes.
const std::vector<ErreurAnalyse>& tableErreursAnalyse();

} // namespace analexpr
