#pragma once

// Les genres de réponse (typeReponse d'un champ) qui choisissent le correcteur et les tests
// d'écriture. Tout autre genre est jugé comme un nombre, à la tolérance près, sans test
// d'écriture.

namespace verificateurs {

inline constexpr int genreEntier = 1;
inline constexpr int genreDecimal = 2;
inline constexpr int genreDeuxPoints = 5;
inline constexpr int genreFraction = 6;
inline constexpr int genreNombre = 7;
inline constexpr int genreCouplePoints = 11;
inline constexpr int genreAngle180 = 12;
inline constexpr int genreAngle360 = 13;
inline constexpr int genreExpression = 14;
inline constexpr int genreFactorisee = 16;
inline constexpr int genreDeveloppee = 17;
inline constexpr int genreDeveloppeeSansParentheses = 18;
inline constexpr int genreVraiFaux = 30;
inline constexpr int genreUnPoint = 33;
inline constexpr int genreTroisPoints = 34;
inline constexpr int genreOuiNon = 35;
inline constexpr int genreDuree = 37;
inline constexpr int genreFormuleTableur = 38;
inline constexpr int genreSolutions = 39;
inline constexpr int genreInegalite = 40;
inline constexpr int genreInegaliteStricte = 41;
inline constexpr int genreEncadrement = 42;
inline constexpr int genreExpressionDenominateurs = 43;
inline constexpr int genreValeursAnnoncees = 44;
inline constexpr int genreValeursOrdonnees = 45;
inline constexpr int genreCoordonnees = 46;
inline constexpr int genreQuadrilatere = 47;

} // namespace verificateurs
