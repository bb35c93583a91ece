#pragma once

// Outils de texte UTF-8. Tout texte du programme est une std::string en UTF-8 ; une
// borne de longueur (« 120 caractères ») compte des points de code, jamais des octets.
// Un octet invalide devient U+FFFD, de sorte qu'aucun texte tapé ne fait échouer la lecture.

#include <cstddef>
#include <string>
#include <string_view>

namespace texteutf8 {

// Décode le texte en points de code ; chaque séquence invalide donne U+FFFD.
std::u32string versPointsDeCode(std::string_view texte);

// Encode des points de code en UTF-8 (un point de code hors Unicode donne U+FFFD).
std::string versUtf8(std::u32string_view points);
std::string versUtf8(char32_t point);

// Nombre de points de code du texte.
std::size_t longueur(std::string_view texte);

// Les n premiers points de code du texte (le texte entier s'il est plus court).
std::string couper(std::string_view texte, std::size_t n);

} // namespace texteutf8
