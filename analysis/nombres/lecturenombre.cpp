#include "analysis/nombres/lecturenombre.h"

#include "analysis/texte/chaines.h"

#include <charconv>
#include <cmath>
#include <string>

namespace nombres {

namespace {

constexpr std::size_t chiffresMaximum = 15;

} // namespace

LectureNombre lireChiffres(std::string_view texte) {
    LectureNombre lecture;
    if (texte.empty() || texte.size() > chiffresMaximum) {
        return lecture;
    }
    double valeur = 0;
    for (char c : texte) {
        if (c < '0' || c > '9') {
            return lecture;
        }
        valeur = valeur * 10 + (c - '0');
    }
    lecture.genre = LectureNombre::entier;
    lecture.valeur = valeur;
    lecture.numerateur = valeur;
    return lecture;
}

LectureNombre lireDecimal(std::string_view texte) {
    std::size_t separateur = texte.find(',');
    if (separateur == std::string_view::npos) {
        separateur = texte.find('.');
    }
    if (separateur == std::string_view::npos) {
        return lireChiffres(texte);
    }
    const std::string_view partieDecimale = texte.substr(separateur + 1);
    const LectureNombre entiere = lireChiffres(texte.substr(0, separateur));
    const LectureNombre decimale = lireChiffres(partieDecimale);
    LectureNombre lecture;
    if (entiere.estIllisible() || decimale.estIllisible()) {
        return lecture;
    }
    lecture.genre = LectureNombre::decimal;
    lecture.valeur = entiere.valeur +
                     decimale.valeur / std::pow(10.0, static_cast<double>(partieDecimale.size()));
    lecture.numerateur = lecture.valeur;
    return lecture;
}

LectureNombre lireFraction(std::string_view texte) {
    const std::size_t barre = texte.find('/');
    if (barre == std::string_view::npos) {
        return lireDecimal(texte);
    }
    const LectureNombre haut = lireDecimal(texte.substr(0, barre));
    const LectureNombre bas = lireDecimal(texte.substr(barre + 1));
    LectureNombre lecture;
    if (haut.estIllisible() || bas.estIllisible()) {
        return lecture;
    }
    lecture.numerateur = haut.valeur;
    lecture.denominateur = bas.valeur;
    if (bas.valeur == 0) {
        lecture.genre = LectureNombre::denominateurNul;
        return lecture;
    }
    lecture.valeur = haut.valeur / bas.valeur;
    lecture.genre = haut.genre == LectureNombre::entier && bas.genre == LectureNombre::entier
                        ? LectureNombre::fraction
                        : LectureNombre::fractionDecimale;
    return lecture;
}

LectureNombre lireNombre(std::string_view texte) {
    std::string t = supprimerBlancs(texte);
    bool negatif = false;
    if (!t.empty() && t.front() == '+') {
        t.erase(0, 1);
    } else if (!t.empty() && t.front() == '-') {
        t.erase(0, 1);
        negatif = true;
    }
    LectureNombre lecture = lireFraction(t);
    if (negatif && !lecture.estIllisible()) {
        lecture.valeur = -lecture.valeur;
    }
    return lecture;
}

double texteVersReel(std::string_view texte) {
    std::string t = rognerBlancs(texte);
    const std::size_t virgule = t.find(',');
    if (virgule != std::string::npos) {
        t[virgule] = '.';
    }
    double valeur = 0;
    const char* debut = t.data();
    if (!t.empty() && t.front() == '+') {
        ++debut;
    }
    const auto [fin, erreur] = std::from_chars(debut, t.data() + t.size(), valeur);
    if (erreur != std::errc() || fin != t.data() + t.size() || !std::isfinite(valeur)) {
        return 0;
    }
    return valeur;
}

} // namespace nombres
