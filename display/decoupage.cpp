#include "decoupage.h"

#include <charconv>
#include <cmath>

std::vector<std::string_view> decouper(std::string_view texte, char separateur) {
    std::vector<std::string_view> morceaux;
    std::size_t debut = 0;
    while (true) {
        const std::size_t fin = texte.find(separateur, debut);
        if (fin == std::string_view::npos) {
            morceaux.push_back(texte.substr(debut));
            return morceaux;
        }
        morceaux.push_back(texte.substr(debut, fin - debut));
        debut = fin + 1;
    }
}

double lireReel(std::string_view texte) {
    const auto blanc = [](char c) { return c == ' ' || c == '\t'; };
    while (!texte.empty() && blanc(texte.front())) {
        texte.remove_prefix(1);
    }
    while (!texte.empty() && blanc(texte.back())) {
        texte.remove_suffix(1);
    }
    std::string t(texte);
    if (const std::size_t virgule = t.find(','); virgule != std::string::npos) {
        t[virgule] = '.';
    }
    const char* debut = t.data();
    if (!t.empty() && t.front() == '+') {
        ++debut;
    }
    double valeur = 0;
    const auto [fin, erreur] = std::from_chars(debut, t.data() + t.size(), valeur);
    if (erreur != std::errc() || fin != t.data() + t.size() || !std::isfinite(valeur)) {
        return 0;
    }
    return valeur;
}

std::vector<double> lireReels(std::string_view texte, int nombre) {
    std::vector<double> valeurs(static_cast<std::size_t>(nombre > 0 ? nombre : 0), 0.0);
    const std::vector<std::string_view> morceaux = decouper(texte, ';');
    for (std::size_t i = 0; i < valeurs.size() && i < morceaux.size(); ++i) {
        valeurs[i] = lireReel(morceaux[i]);
    }
    return valeurs;
}
