#pragma once

// Évaluation d'un arbre analysé aux valeurs de ses lettres. Un échec (division par presque
// zéro, racine d'un négatif, résultat infini ou indéfini) est signalé par erreurCalcul et
// laisse resultat à NaN : aucune valeur d'une évaluation précédente ne reste à comparer.

#include "analysis/expressions/texpression.h"

#include <span>

namespace analexpr {

// Évalue l'arbre aux valeursLettres ; pose erreurCalcul, et resultat.
void evaluerExpression(Texpression& expression);

// Pose les valeurs des lettres 1 à 3 (les autres à 0) puis évalue ; rend vrai quand
// l'évaluation a réussi.
bool evaluerEn(Texpression& expression, double x, double y = 0, double z = 0);

// La même chose avec une valeur par lettre, dans l'ordre des lettres (les valeurs au-delà de
// lettresMaximum sont ignorées, les lettres sans valeur valent 0).
bool evaluerEn(Texpression& expression, std::span<const double> valeurs);

// Vrai quand a et b diffèrent de plus que la tolérance ; une valeur infinie ou NaN (ou une
// tolérance NaN) compte toujours comme une différence.
bool valeursDifferent(double a, double b, double tolerance);

} // namespace analexpr
