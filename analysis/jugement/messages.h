#pragma once

// Ce que les correcteurs écrivent sous le verdict : le début « La réponse » propre au champ
// jugé, et les jugements tout faits (refus avec l'image « incorrecte », lignes seules).

#include "analysis/jugement/jugement.h"

#include <initializer_list>
#include <string>
#include <string_view>

namespace jugement {

inline constexpr std::string_view reponseSimplifiable = "Réponse simplifiable";
inline constexpr std::string_view expressionProfIncorrecte = "Expression prof incorrecte !!!";
// Suit « La réponse » quand un élément de liste ou une borne dépasse 40 caractères.
inline constexpr std::string_view valeurTropLongue =
    "contient une valeur trop longue (plus de 40 caractères).";

// « La réponse » suivi d'une espace avec un seul champ, sinon de « $g » + la lettre du
// champ (a, b ou c) + « $N », entre deux espaces doubles.
std::string libelleReponse(const TchampAJuger& champ);

// Tolérance du champ : une tolérance nulle vaut 1e-9, une négative sa valeur absolue.
double tolerance(const TchampAJuger& champ);

// Un verdict sans ligne.
TjugementChamp verdictSeul(Tverdict verdict);

// Refus sans jugement : l'image et le bip « incorrect », puis les lignes.
TjugementChamp refuser(Tverdict verdict, std::initializer_list<std::string_view> lignes);

// L'attendu du professeur est illisible : verdict 6 et « Expression prof incorrecte !!! »,
// sans l'image « incorrecte ».
TjugementChamp attenduIncorrect();

// Ajoute des lignes à un jugement.
void ajouterLignes(TjugementChamp& j, std::initializer_list<std::string_view> lignes);

} // namespace jugement
