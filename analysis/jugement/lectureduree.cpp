#include "analysis/jugement/lectureduree.h"

#include "analysis/nombres/lecturenombre.h"
#include "analysis/texte/chaines.h"

#include <string>

namespace jugement {

namespace {

// Coupe le texte à la première occurrence de l'unité : ce qui la précède est rendu, le
// texte garde ce qui la suit. Sans l'unité, rien ne change.
bool extrairePartie(std::string& texte, std::string_view unite, std::string& partie) {
    const std::size_t position = texte.find(unite);
    if (position == std::string::npos) {
        return false;
    }
    partie = texte.substr(0, position);
    texte.erase(0, position + unite.size());
    return true;
}

} // namespace

LectureDuree lireDuree(std::string_view texte) {
    std::string reste = nombres::majuscules(nombres::supprimerBlancs(texte));
    LectureDuree duree;
    bool unePartie = false;
    std::string partie;
    if (extrairePartie(reste, "H", partie)) {
        const nombres::LectureNombre heures = nombres::lireChiffres(partie);
        if (heures.genre != nombres::LectureNombre::entier) {
            return {};
        }
        duree.secondes += 3600 * heures.valeur;
        unePartie = true;
    }
    if (extrairePartie(reste, "MIN", partie)) {
        const nombres::LectureNombre minutes = nombres::lireChiffres(partie);
        if (minutes.genre != nombres::LectureNombre::entier || minutes.valeur > 59) {
            return {};
        }
        duree.secondes += 60 * minutes.valeur;
        unePartie = true;
    }
    if (extrairePartie(reste, "S", partie)) {
        const nombres::LectureNombre secondes = nombres::lireDecimal(partie);
        if ((secondes.genre != nombres::LectureNombre::entier &&
             secondes.genre != nombres::LectureNombre::decimal) ||
            !(secondes.valeur < 60)) {
            return {};
        }
        duree.secondes += secondes.valeur;
        unePartie = true;
    }
    if (!reste.empty() || !unePartie) {
        return {};
    }
    duree.lisible = true;
    return duree;
}

} // namespace jugement
