#pragma once

// Marqueurs internes des mots-clés « pi », « rac » et « cos » dans le texte préparé d'une
// expression. Ce sont des points de code de la zone à usage privé d'Unicode, qu'aucun
// clavier ne tape : un « á » ou un « â » tapé par l'élève reste un caractère ordinaire
// (refusé), jamais un π ou une racine. Un texte qui contient déjà un marqueur est refusé.

#include <string_view>

namespace analexpr {

inline constexpr char32_t marqueurPi = 0xE000;
inline constexpr char32_t marqueurRacine = 0xE001;
inline constexpr char32_t marqueurCosinus = 0xE002;

// Les mêmes, encodés en UTF-8 (tels qu'ils figurent dans les textes des nœuds).
inline constexpr std::string_view marqueurPiUtf8 = "\xEE\x80\x80";
inline constexpr std::string_view marqueurRacineUtf8 = "\xEE\x80\x81";
inline constexpr std::string_view marqueurCosinusUtf8 = "\xEE\x80\x82";

inline bool estMarqueur(char32_t c) {
    return c == marqueurPi || c == marqueurRacine || c == marqueurCosinus;
}

} // namespace analexpr
