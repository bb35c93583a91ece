#include "display/tableaux/decoupage.h"

#include "analysis/nombres/lecturenombre.h"

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

std::vector<double> lireReels(std::string_view texte, int nombre) {
    std::vector<double> valeurs(static_cast<std::size_t>(nombre > 0 ? nombre : 0), 0.0);
    const std::vector<std::string_view> morceaux = decouper(texte, ';');
    for (std::size_t i = 0; i < valeurs.size() && i < morceaux.size(); ++i) {
        valeurs[i] = nombres::texteVersReel(morceaux[i]);
    }
    return valeurs;
}
