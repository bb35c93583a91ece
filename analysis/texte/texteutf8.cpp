#include "analysis/texte/texteutf8.h"

namespace texteutf8 {

namespace {

constexpr char32_t remplacement = 0xFFFD;

// Lit un point de code à partir de texte[i] et avance i ; U+FFFD pour une séquence invalide
// (un seul octet consommé, pour se resynchroniser sur le suivant).
char32_t lirePoint(std::string_view texte, std::size_t& i) {
    const auto octet = [&](std::size_t k) { return static_cast<unsigned char>(texte[k]); };
    const unsigned char c0 = octet(i);
    if (c0 < 0x80) {
        ++i;
        return c0;
    }
    int suite = 0;
    char32_t point = 0;
    char32_t minimum = 0;
    if ((c0 & 0xE0) == 0xC0) {
        suite = 1;
        point = c0 & 0x1F;
        minimum = 0x80;
    } else if ((c0 & 0xF0) == 0xE0) {
        suite = 2;
        point = c0 & 0x0F;
        minimum = 0x800;
    } else if ((c0 & 0xF8) == 0xF0) {
        suite = 3;
        point = c0 & 0x07;
        minimum = 0x10000;
    } else {
        ++i;
        return remplacement;
    }
    if (i + static_cast<std::size_t>(suite) >= texte.size()) {
        ++i;
        return remplacement;
    }
    for (int k = 1; k <= suite; ++k) {
        const unsigned char c = octet(i + k);
        if ((c & 0xC0) != 0x80) {
            ++i;
            return remplacement;
        }
        point = (point << 6) | (c & 0x3F);
    }
    if (point < minimum || point > 0x10FFFF || (point >= 0xD800 && point <= 0xDFFF)) {
        ++i;
        return remplacement;
    }
    i += static_cast<std::size_t>(suite) + 1;
    return point;
}

} // namespace

std::u32string versPointsDeCode(std::string_view texte) {
    std::u32string points;
    points.reserve(texte.size());
    std::size_t i = 0;
    while (i < texte.size()) {
        points.push_back(lirePoint(texte, i));
    }
    return points;
}

std::string versUtf8(char32_t point) {
    if (point > 0x10FFFF || (point >= 0xD800 && point <= 0xDFFF)) {
        point = remplacement;
    }
    std::string s;
    if (point < 0x80) {
        s += static_cast<char>(point);
    } else if (point < 0x800) {
        s += static_cast<char>(0xC0 | (point >> 6));
        s += static_cast<char>(0x80 | (point & 0x3F));
    } else if (point < 0x10000) {
        s += static_cast<char>(0xE0 | (point >> 12));
        s += static_cast<char>(0x80 | ((point >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (point & 0x3F));
    } else {
        s += static_cast<char>(0xF0 | (point >> 18));
        s += static_cast<char>(0x80 | ((point >> 12) & 0x3F));
        s += static_cast<char>(0x80 | ((point >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (point & 0x3F));
    }
    return s;
}

std::string versUtf8(std::u32string_view points) {
    std::string s;
    s.reserve(points.size());
    for (char32_t p : points) {
        s += versUtf8(p);
    }
    return s;
}

std::size_t longueur(std::string_view texte) {
    std::size_t n = 0;
    std::size_t i = 0;
    while (i < texte.size()) {
        lirePoint(texte, i);
        ++n;
    }
    return n;
}

std::string couper(std::string_view texte, std::size_t n) {
    std::size_t i = 0;
    std::size_t compte = 0;
    while (i < texte.size() && compte < n) {
        lirePoint(texte, i);
        ++compte;
    }
    return std::string(texte.substr(0, i));
}

} // namespace texteutf8
