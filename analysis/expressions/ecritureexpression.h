#pragma once

// Réécriture d'un arbre analysé en texte, avec ses opérateurs explicites (« 2*x*(x-1) »),
// les mots-clés « pi » et « rac » et la virgule décimale. Relu par l'analyseur, ce texte
// redonne le même arbre : c'est le troisième parcours de l'arbre, après les règles
// d'écriture et l'évaluation.

#include "analysis/expressions/texpression.h"

#include <string>

namespace analexpr {

// Texte du nœud donné (la racine par défaut) d'un arbre construit sans erreur ; vide sinon.
std::string ecrireExpression(const Texpression& expression, int indice = 1);

} // namespace analexpr
