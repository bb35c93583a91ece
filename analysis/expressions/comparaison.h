#pragma once

// Comparaison de la réponse de l'élève à l'expression attendue : d'abord la valeur, aux
// mêmes valeurs d'essai des lettres, puis l'écriture demandée (développée, réduite,
// factorisée, simplifiée). Le résultat est un code ; 0 veut dire acceptée.
//
// Codes : 0 acceptée, 2 texte mal écrit ou vide, 3 valeur différente, 4 lettre dans un
// dénominateur, 5 non développée, 6 non réduite, 7 non factorisée, 8 pas assez factorisée,
// 9 lettre inconnue, 10 parenthèses, 11 simplifiable, 12 parenthèses interdites,
// 13 exposant, 14 quotient suivi d'un produit, 15 quotient suivi d'un quotient,
// 16 expression attendue incorrecte, 17 racine d'une lettre, 18 facteur réductible,
// 19 puissances enchaînées sans parenthèses (« x^2^3 »).

#include <string_view>

namespace analexpr {

// typeReponse : 14 valeur et simplification, 16 factorisée, 17 développée et réduite,
// 18 développée, réduite et sans parenthèses, 43 valeur et simplification avec lettres
// permises aux dénominateurs.
int comparerExpressions(std::string_view reponse, std::string_view attendue,
                        std::string_view lettres, double tolerance, int typeReponse);

} // namespace analexpr
