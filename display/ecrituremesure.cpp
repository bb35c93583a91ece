#include "ecrituremesure.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

std::string formater(int decimales, double x) {
    char tampon[64];
    const int n = std::snprintf(tampon, sizeof tampon, "%.*f", decimales, x);
    if (n < 0) {
        return "0";
    }
    std::string t(tampon, static_cast<std::size_t>(std::min<int>(n, sizeof tampon - 1)));
    if (t.find('.') != std::string::npos) {
        while (t.back() == '0') {
            t.pop_back();
        }
        if (t.back() == '.') {
            t.pop_back();
        }
    }
    return t;
}

} // namespace

std::string texteMesure(int decimales, double x) {
    if (!std::isfinite(x)) {
        return "?";
    }
    decimales = std::clamp(decimales, 0, 11);
    const double b = std::min(std::abs(x), 1e15);
    const double f = std::pow(10.0, decimales);
    const double tronque = std::trunc(b * f);
    const double arrondi = (b * f - tronque >= 0.5 ? tronque + 1 : tronque) / f;
    std::string t = formater(decimales, arrondi);
    if (x < 0 && t != "0") {
        t = "-" + t;
    }
    std::replace(t.begin(), t.end(), '.', ',');
    return t;
}

std::string texteCoordonnee(double x) {
    if (!std::isfinite(x)) {
        return "?";
    }
    const bool entier = std::abs(x) < 1e15 && x == std::trunc(x);
    std::string t = formater(entier ? 0 : 11, std::clamp(x, -1e15, 1e15));
    return t == "-0" ? "0" : t;
}
