#pragma once

// Aides sur les entiers, les arrondis et les comparaisons de réels. Les entiers sont sur
// 64 bits : un entier tapé de 15 chiffres tient sans débordement.

#include <cstdint>

namespace nombres {

// Plus grand commun diviseur des valeurs absolues (algorithme d'Euclide). Un terme nul ne
// divise jamais : pgcd(a, 0) = |a| et pgcd(0, 0) = 0.
std::int64_t pgcd(std::int64_t a, std::int64_t b);

// pgcd(a, b) > 1 : la fraction a/b se simplifie (0/5 aussi, qui s'écrit 0).
bool reductible(std::int64_t a, std::int64_t b);

// Nombre de diviseurs de n dans 1..n ; 0 quand n < 1.
std::int64_t nombreDiviseurs(std::int64_t n);

// Nombre de diviseurs communs à a et b ; 0 quand min(a, b) < 1.
std::int64_t nombreDiviseursCommuns(std::int64_t a, std::int64_t b);

std::int64_t maximum(std::int64_t a, std::int64_t b);

// |x − round(x)| < 1e-10.
bool estEntier(double x);

// |√x − round(√x)| < 1e-10 (faux pour un négatif).
bool estCarreParfait(double x);

// x > 1, entier et pas un carré parfait : un radicande déjà simplifié.
bool entierNonCarre(double x);

// |a − b| < 1e-9.
bool presqueEgaux(double a, double b);

// round(x + 1e-10) : l'entier le plus proche, les moitiés vers le haut.
double arrondiEntier(double x);

} // namespace nombres
