#include "analysis/texte/chaines.h"

#include "analysis/texte/texteutf8.h"

namespace nombres {

bool estBlanc(char32_t c) {
    return c == U' ' || c == U'\t' || c == 0x00A0 || c == 0x202F;
}

std::string supprimerBlancs(std::string_view texte) {
    std::u32string points = texteutf8::versPointsDeCode(texte);
    std::u32string resultat;
    resultat.reserve(points.size());
    for (char32_t c : points) {
        if (!estBlanc(c)) {
            resultat.push_back(c);
        }
    }
    return texteutf8::versUtf8(resultat);
}

std::string rognerBlancs(std::string_view texte) {
    std::u32string points = texteutf8::versPointsDeCode(texte);
    std::size_t debut = 0;
    std::size_t fin = points.size();
    while (debut < fin && estBlanc(points[debut])) {
        ++debut;
    }
    while (fin > debut && estBlanc(points[fin - 1])) {
        --fin;
    }
    return texteutf8::versUtf8(std::u32string_view(points).substr(debut, fin - debut));
}

std::string majuscules(std::string_view texte) {
    std::string resultat(texte);
    for (char& c : resultat) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        }
    }
    return resultat;
}

std::string remplacerTout(std::string_view texte, std::string_view motif, std::string_view par) {
    std::string resultat(texte);
    if (motif.empty()) {
        return resultat;
    }
    if (par.find(motif) != std::string_view::npos) {
        std::size_t depart = 0;
        while ((depart = resultat.find(motif, depart)) != std::string::npos) {
            resultat.replace(depart, motif.size(), par);
            depart += par.size();
        }
        return resultat;
    }
    std::size_t position;
    while ((position = resultat.find(motif)) != std::string::npos) {
        resultat.replace(position, motif.size(), par);
    }
    return resultat;
}

std::string supprimerCaracteres(std::string_view texte, std::string_view ensemble) {
    const std::u32string interdits = texteutf8::versPointsDeCode(ensemble);
    std::u32string resultat;
    for (char32_t c : texteutf8::versPointsDeCode(texte)) {
        if (interdits.find(c) == std::u32string::npos) {
            resultat.push_back(c);
        }
    }
    return texteutf8::versUtf8(resultat);
}

} // namespace nombres
