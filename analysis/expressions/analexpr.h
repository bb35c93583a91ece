#pragma once

// L'analyseur d'expressions : il lit le texte tapé par l'élève (ou la réponse attendue du
// professeur) et construit l'arbre d'un Texpression. Un morceau de texte est coupé à son
// opérateur principal, cherché depuis la droite hors parenthèses : d'abord « + » / « - »,
// puis « * » / « / », puis « ^ ». Chaque morceau devient un nœud, numéroté dans l'ordre où
// les morceaux sont rencontrés. La première erreur arrête l'analyse ; elle est rendue comme
// une valeur (code et position), jamais par une exception.

#include "analysis/expressions/texpression.h"

#include <string_view>

namespace analexpr {

// Opérateur principal d'un morceau : sa position (en points de code) et le genre du nœud ;
// pour une feuille, la position vaut -1 et le genre est celui que donne le premier
// caractère (Tbranche::aucun quand aucune feuille ne commence ainsi).
struct OperateurPrincipal {
    int position = -1;
    int operateur = Tbranche::aucun;
};

OperateurPrincipal operateurPrincipal(std::u32string_view morceau);

// Prépare le texte pour la liste de lettres donnée (0 à 6 lettres ; une liste plus longue
// garde ses six premières lettres) et construit l'arbre. Ensuite erreur vaut 0 et les
// attributs d'écriture sont posés, ou erreur tient la première erreur rencontrée. Une
// expression constante est de plus évaluée (resultat, erreurCalcul).
void analyserExpression(Texpression& expression, std::string_view texte, std::string_view lettres);

// Seconde moitié d'analyserExpression, sur le texte déjà débarrassé de ses blancs :
// parenthèses, mots-clés, produits sous-entendus, puis l'arbre.
void construireArbre(Texpression& expression, std::u32string texte);

} // namespace analexpr
