#pragma once

// Comparaison de la réponse de l'élève à l'expression attendue : d'abord la valeur, aux
// mêmes valeurs d'essai des lettres, puis l'écriture demandée (développée, réduite,
// factorisée, simplifiée). Le résultat est un code ; acceptee (0) veut dire acceptée.

#include "analysis/jugement/genresreponse.h"

#include <string_view>

enum class TresultatComparaison : int {
    acceptee = 0,
    malEcrite = 2, // texte de l'élève mal écrit ou vide
    valeurDifferente = 3,
    lettreAuDenominateur = 4, // là où un polynôme est demandé
    nonDeveloppee = 5,
    nonReduite = 6,         // plus de termes que l'expression attendue
    nonFactorisee = 7,      // moins de deux facteurs qui contiennent une lettre
    pasAssezFactorisee = 8, // moins de tels facteurs que l'expression attendue
    lettreInconnue = 9,
    parentheses = 10, // parenthèses qui ne s'équilibrent pas
    simplifiable = 11,
    parenthesesInterdites = 12, // la réponse doit s'écrire sans parenthèses
    exposant = 13,              // exposant qui n'est pas un entier de 2 à 9
    quotientProduit = 14,       // quotient suivi d'un produit
    quotientQuotient = 15,      // quotient suivi d'un quotient
    attendueIncorrecte = 16,    // l'expression attendue est mal écrite
    racineVariable = 17,        // racine d'une expression qui contient une lettre
    facteurReductible = 18,     // un facteur contient une somme réductible
    puissancesEnChaine = 19,    // puissances enchaînées sans parenthèses (« x^2^3 »)
};

namespace analexpr {

// Genres qui arrivent ici : expression (valeur et simplification), factorisee,
// developpee (développée et réduite), developpeeSansParentheses, expressionDenominateurs
// (valeur et simplification, lettres permises aux dénominateurs).
TresultatComparaison comparerExpressions(std::string_view reponse, std::string_view attendue,
                                         std::string_view lettres, double tolerance,
                                         TgenreReponse genre);

} // namespace analexpr
