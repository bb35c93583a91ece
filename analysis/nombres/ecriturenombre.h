#pragma once

// Écriture des nombres à la française : virgule décimale, aucun zéro inutile, signe écrit
// devant un terme (« + 3 »), sommes en euros, très grands et très petits nombres sous la
// forme « 1,5 x 10^(12) », fractions empilées du texte balisé (« $F3;4; »).

#include <cstdint>
#include <string>
#include <string_view>

namespace nombres {

// Écriture la plus courte avec un point décimal (11 décimales au plus) : 0.1 → « 0.1 »,
// 1/3 → « 0.33333333333 », −2.5 → « -2.5 », 12 → « 12 », −0 → « 0 ».
std::string texteReel(double x);

// texteReel avec une virgule : 0.5 → « 0,5 ».
std::string texteReelVirgule(double x);

// texteReelVirgule précédé de « + » quand x > 1e-10 : « + 3 », « -2 », « 0 ».
std::string texteReelSigne(double x);

// x arrondi à n décimales (n ramené à 0..11), moitiés vers le haut ; au-delà de 1e11 (ou
// sous 1e-11 avec n = 11), écriture scientifique « 1.5 x 10^(12) ». Point décimal.
std::string texteArrondi(int n, double x);

// texteArrondi avec sa virgule décimale.
std::string texteArrondiVirgule(int n, double x);

// Somme en euros : 12.5 → « 12,50 € », 3 → « 3 € », 0.456 → « 0,46 € ».
std::string texteEuros(double x);

// Texte décimal récrit canoniquement : « 007,500 » → « 7,5 », « .5 » → « 0,5 », « 0,0 » → « 0 ».
std::string normaliserDecimal(std::string_view texte);

// Fraction a/b (b ≠ 0) en texte balisé, signe devant, réduite si demandé :
// 6/−4 réduite → « -$F3;2; », 1/12 → « $F 1;12; », 4/2 réduite → « 2 », 0/5 → « 0 ».
std::string texteFraction(std::int64_t a, std::int64_t b, bool reduire);

// texteFraction précédée de « + » sauf si elle commence par « - ».
std::string texteFractionSigne(std::int64_t a, std::int64_t b, bool reduire);

// Coefficient devant une lettre : « 1 » devient « » et « -1 » devient « - ».
std::string texteCoefficient(std::int64_t a, std::int64_t b, bool reduire);

// Facteur « * » suivi de la fraction, mise entre parenthèses si elle est négative :
// « * 3 », « * (-2) », « * (-$F1;2; ) ».
std::string texteFacteur(std::int64_t a, std::int64_t b, bool reduire);

} // namespace nombres
