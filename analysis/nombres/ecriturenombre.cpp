#include "analysis/nombres/ecriturenombre.h"

#include "analysis/nombres/arithmetique.h"
#include "analysis/texte/chaines.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace nombres {

namespace {

std::string formater(const char* format, int decimales, double x) {
    char tampon[400];
    const int n = std::snprintf(tampon, sizeof tampon, format, decimales, x);
    if (n < 0) {
        return {};
    }
    return std::string(tampon, static_cast<std::size_t>(std::min<int>(n, sizeof tampon - 1)));
}

// Retire les zéros après le point décimal, puis le point final.
void retirerZerosFinaux(std::string& t) {
    if (t.find('.') == std::string::npos) {
        return;
    }
    while (!t.empty() && t.back() == '0') {
        t.pop_back();
    }
    if (!t.empty() && t.back() == '.') {
        t.pop_back();
    }
}

void virgule(std::string& t) {
    const std::size_t point = t.find('.');
    if (point != std::string::npos) {
        t[point] = ',';
    }
}

// Un zéro négatif s'écrit « 0 ».
void sansZeroNegatif(std::string& t) {
    if (t == "-0") {
        t = "0";
    }
}

std::string entierEnTexte(std::int64_t n) {
    return std::to_string(n);
}

} // namespace

std::string texteReel(double x) {
    std::string t = formater("%.*f", estEntier(x) ? 0 : 11, x);
    t = rognerBlancs(t);
    retirerZerosFinaux(t);
    sansZeroNegatif(t);
    return t;
}

std::string texteReelVirgule(double x) {
    std::string t = texteReel(x);
    virgule(t);
    return t;
}

std::string texteReelSigne(double x) {
    std::string t = texteReelVirgule(x);
    return x > 1e-10 ? "+ " + t : t;
}

std::string texteArrondi(int n, double x) {
    n = std::clamp(n, 0, 11);
    const double b = std::abs(x);
    std::string t;
    if (b >= 1e11 || (b <= 1e-11 && n == 11)) {
        const std::string scientifique = formater("%.*e", 17, b);
        const std::size_t e = scientifique.find('e');
        std::string mantisse = scientifique.substr(0, e);
        retirerZerosFinaux(mantisse);
        t = mantisse;
        if (e != std::string::npos) {
            const int exposant = std::atoi(scientifique.c_str() + e + 1);
            if (exposant != 0) {
                t += " x 10^(";
                if (exposant < 0) {
                    t += "-";
                }
                t += std::to_string(std::abs(exposant)) + ")";
            }
        }
    } else {
        const double f = std::pow(10.0, n);
        const double tronque = std::trunc(b * f);
        const double arrondi = (b * f - tronque >= 0.5) ? (tronque + 1) / f : tronque / f;
        t = rognerBlancs(formater("%.*f", std::max(n, 1), arrondi));
        retirerZerosFinaux(t);
    }
    if (x < 0 && t != "0") {
        t = "-" + t;
    }
    return t;
}

std::string texteArrondiVirgule(int n, double x) {
    std::string t = texteArrondi(n, x);
    virgule(t);
    return t;
}

std::string texteEuros(double x) {
    std::string t = texteArrondiVirgule(2, x);
    const std::size_t v = t.find(',');
    if (v != std::string::npos && t.size() - v - 1 == 1) {
        t += "0";
    }
    return t + " €";
}

std::string normaliserDecimal(std::string_view texte) {
    std::string t = supprimerBlancs(texte);
    std::replace(t.begin(), t.end(), '.', ',');
    if (!t.empty() && t.front() == ',') {
        t.insert(t.begin(), '0');
    }
    if (t.find(',') != std::string::npos) {
        while (!t.empty() && t.back() == '0') {
            t.pop_back();
        }
        if (!t.empty() && t.back() == ',') {
            t.pop_back();
        }
    }
    while (t.size() > 1 && t.front() == '0' && t[1] != ',') {
        t.erase(0, 1);
    }
    return t;
}

std::string texteFraction(std::int64_t a, std::int64_t b, bool reduire) {
    if (a == 0) {
        return "0";
    }
    if (b < 0) {
        a = -a;
        b = -b;
    }
    const bool negatif = a < 0;
    if (negatif) {
        a = -a;
    }
    if (reduire) {
        const std::int64_t d = pgcd(a, b);
        if (d > 1) {
            a /= d;
            b /= d;
        }
    }
    const std::string signe = negatif ? "-" : "";
    std::string haut = entierEnTexte(a);
    if (b == 1) {
        return signe + haut;
    }
    std::string bas = entierEnTexte(b);
    if (haut.size() < bas.size()) {
        haut.insert(0, bas.size() - haut.size(), ' ');
    } else if (bas.size() < haut.size()) {
        bas.insert(0, haut.size() - bas.size(), ' ');
    }
    return signe + "$F" + haut + ";" + bas + ";";
}

std::string texteFractionSigne(std::int64_t a, std::int64_t b, bool reduire) {
    const std::string t = texteFraction(a, b, reduire);
    return (!t.empty() && t.front() == '-') ? t : "+ " + t;
}

std::string texteCoefficient(std::int64_t a, std::int64_t b, bool reduire) {
    const std::string t = texteFraction(a, b, reduire);
    if (t == "1") {
        return "";
    }
    if (t == "-1") {
        return "-";
    }
    return t;
}

std::string texteFacteur(std::int64_t a, std::int64_t b, bool reduire) {
    const std::string t = texteFraction(a, b, reduire);
    if (t.empty() || t.front() != '-') {
        return " * " + t;
    }
    const bool empilee = t.find("$F") != std::string::npos;
    return " * (" + t + (empilee ? " )" : ")");
}

} // namespace nombres
