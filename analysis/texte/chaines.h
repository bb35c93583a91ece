#pragma once

// Petites opérations sur les textes que partagent les lecteurs de nombres, l'analyseur
// d'expressions et les correcteurs. Un « blanc » est l'espace, la tabulation ou une espace
// insécable (U+00A0, U+202F), qu'un nombre collé depuis un traitement de texte peut contenir.

#include <string>
#include <string_view>

namespace nombres {

bool estBlanc(char32_t c);

// Le texte sans aucun blanc.
std::string supprimerBlancs(std::string_view texte);

// Le texte sans blanc à ses deux bouts.
std::string rognerBlancs(std::string_view texte);

// Le texte avec a–z écrits A–Z ; les autres caractères, accentués compris, sont inchangés.
std::string majuscules(std::string_view texte);

// Tant que motif (1 à 10 caractères) apparaît, sa première occurrence est remplacée par par.
// Quand par contient lui-même motif, la répétition ne finirait jamais : chaque occurrence
// est alors remplacée une seule fois, de gauche à droite.
std::string remplacerTout(std::string_view texte, std::string_view motif, std::string_view par);

// Le texte sans les caractères (points de code) qui appartiennent à l'ensemble.
std::string supprimerCaracteres(std::string_view texte, std::string_view ensemble);

} // namespace nombres
