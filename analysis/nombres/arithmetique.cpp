#include "analysis/nombres/arithmetique.h"

#include <algorithm>
#include <cmath>

namespace nombres {

namespace {

std::uint64_t valeurAbsolue(std::int64_t a) {
    return a < 0 ? std::uint64_t{0} - static_cast<std::uint64_t>(a) : static_cast<std::uint64_t>(a);
}

} // namespace

std::int64_t pgcd(std::int64_t a, std::int64_t b) {
    std::uint64_t grand = std::max(valeurAbsolue(a), valeurAbsolue(b));
    std::uint64_t petit = std::min(valeurAbsolue(a), valeurAbsolue(b));
    while (petit != 0) {
        const std::uint64_t reste = grand % petit;
        grand = petit;
        petit = reste;
    }
    return static_cast<std::int64_t>(std::min<std::uint64_t>(grand, INT64_MAX));
}

bool reductible(std::int64_t a, std::int64_t b) {
    return pgcd(a, b) > 1;
}

std::int64_t nombreDiviseurs(std::int64_t n) {
    if (n < 1) {
        return 0;
    }
    std::int64_t compte = 0;
    for (std::int64_t i = 1; i <= n / i; ++i) {
        if (n % i == 0) {
            compte += (i == n / i) ? 1 : 2;
        }
    }
    return compte;
}

std::int64_t nombreDiviseursCommuns(std::int64_t a, std::int64_t b) {
    if (std::min(a, b) < 1) {
        return 0;
    }
    return nombreDiviseurs(pgcd(a, b));
}

std::int64_t maximum(std::int64_t a, std::int64_t b) {
    return a > b ? a : b;
}

bool estEntier(double x) {
    return std::abs(x - std::round(x)) < 1e-10;
}

bool estCarreParfait(double x) {
    const double racine = std::sqrt(x);
    return std::abs(racine - std::round(racine)) < 1e-10;
}

bool entierNonCarre(double x) {
    return x > 1 && estEntier(x) && !estCarreParfait(x);
}

bool presqueEgaux(double a, double b) {
    return std::abs(a - b) < 1e-9;
}

double arrondiEntier(double x) {
    return std::floor(x + 1e-10 + 0.5);
}

} // namespace nombres
