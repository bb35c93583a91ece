#pragma once

// Calcul sur des nombres entiers écrits en chiffres décimaux, sans limite de longueur : ce
// qu'il faut pour poser une division à la main (comparer, soustraire, multiplier par un
// chiffre). Les textes sont faits de chiffres, sans zéro de tête.

#include <string>
#include <string_view>

// Vrai quand b ≥ a en tant que nombres.
bool comparerChiffres(std::string_view a, std::string_view b);
// s complété à gauche par des « 0 » jusqu'à n chiffres.
std::string completerZeros(std::size_t n, std::string_view s);
// b − a pour b ≥ a, sans zéro de tête (au moins un chiffre).
std::string soustraireChiffres(std::string_view a, std::string_view b);
// s × k pour un chiffre k.
std::string multiplierChiffre(int k, std::string_view s);
// s sans ses zéros de tête (au moins un chiffre).
std::string sansZerosDeTete(std::string_view s);
