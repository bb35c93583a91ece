#pragma once

// Préparation du texte d'une expression avant l'analyse : c'est l'étape lexicale. Les
// blancs sont supprimés, la virgule devient un point, les mots-clés deviennent des
// marqueurs et les produits sous-entendus reçoivent leur « * ». Le texte préparé est une
// suite de points de code.

#include <string>
#include <string_view>

namespace analexpr {

// Le texte sans blancs, chaque « , » écrite « . » et chaque signe typographique remplacé.
std::u32string preparerTexte(std::string_view texte);

// Les signes qu'un clavier ou un texte copié donne à la place de ceux de la syntaxe :
// « − » → « - », « × » → « * », « ÷ » → « / », « ³ » → « ^3 », « ≥ » → « >= »,
// « ≤ » → « <= » ; le reste du texte ne change pas.
std::string remplacerSignesTypographiques(std::string_view texte);

// Position (en points de code) de la première parenthèse qui ne s'équilibre pas : une « ) »
// sans sa « ( », ou la fin du texte pour une « ( » non fermée ; -1 si tout s'équilibre.
int parenthesesDesequilibrees(std::u32string_view texte);

// Position du premier marqueur interne présent dans le texte, -1 s'il n'y en a pas.
int positionMarqueur(std::u32string_view texte);

// « pi » → marqueur π, « ² » → « ^2 », « p » → « ^ », « rac » → marqueur racine,
// « cos » → marqueur cosinus, dans cet ordre et en respectant la casse.
void remplacerMotsCles(std::u32string& texte);

// Insère « * » entre deux caractères qui se suivent sans opérateur : « 2x » → « 2*x »,
// « )( » → « )*( », « 2rac(3) » → « 2*√(3) » ; un nombre qui continue n'est pas coupé.
void insererProduitsImplicites(std::u32string& texte);

} // namespace analexpr
