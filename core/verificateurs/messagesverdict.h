#pragma once

// Ce que les correcteurs écrivent sous le verdict : le début « La réponse » propre au champ
// jugé et le refus d'une réponse (verdict 6 ou 9) avec l'image « incorrecte » et ses lignes
// d'explication.

#include "analysis/jugement/verdict.h"

#include <initializer_list>
#include <string>
#include <string_view>

struct TdonneesCommunes;

namespace verificateurs {

inline constexpr std::string_view reponseSimplifiable = "Réponse simplifiable";
inline constexpr std::string_view expressionProfIncorrecte = "Expression prof incorrecte !!!";

// « La réponse » suivi d'une espace avec un seul champ, sinon de « $g » + la lettre du
// champ (a, b ou c) + « $N », entre deux espaces doubles.
std::string libelleReponse(const TdonneesCommunes& d, int a);

// Écrit les lignes sous le verdict, dans l'ordre.
void ecrireMessages(TdonneesCommunes& d, std::initializer_list<std::string_view> lignes);

// Refus sans jugement : l'image et le bip « incorrect », puis les lignes ; rend le verdict.
Tverdict refuser(TdonneesCommunes& d, Tverdict verdict,
                 std::initializer_list<std::string_view> lignes);

} // namespace verificateurs
