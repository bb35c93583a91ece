#include "core/verificateurs/verifiernombre.h"

#include "analysis/jugement/genresreponse.h"
#include "analysis/jugement/verdict.h"
#include "analysis/nombres/arithmetique.h"
#include "analysis/nombres/lecturenombre.h"
#include "analysis/texte/chaines.h"
#include "core/donneescommunes.h"
#include "core/verificateurs/formuletableur.h"
#include "core/verificateurs/lectureduree.h"
#include "core/verificateurs/messagesverdict.h"

#include <cmath>
#include <cstdint>
#include <string>

namespace verificateurs {

namespace {

using nombres::LectureNombre;

constexpr std::string_view degre = "°";

// Réponse à deux mots (V ou VRAI / F ou FAUX, O ou OUI / N ou NON) : 0 pour le premier
// sens, 1 pour le second, -1 pour un texte qui n'est ni l'un ni l'autre.
int lireDeuxSens(std::string_view r, std::string_view court0, std::string_view long0,
                 std::string_view court1, std::string_view long1) {
    const std::string t = nombres::majuscules(nombres::rognerBlancs(r));
    if (t == court0 || t == long0) {
        return 0;
    }
    if (t == court1 || t == long1) {
        return 1;
    }
    return -1;
}

Tverdict jugerDeuxSens(TdonneesCommunes& d, int a, int sens, std::string_view lettres) {
    if (sens < 0) {
        return refuser(
            d, Tverdict::illisible,
            {libelleReponse(d, a) + "n'a pas été comprise (taper " + std::string(lettres) + ")."});
    }
    return sens == d.valeurAttendue[a] ? Tverdict::exact : Tverdict::faux;
}

double tolerance(const TdonneesCommunes& d, int a) {
    return d.precision[a] == 0 ? 1e-9 : std::abs(d.precision[a]);
}

bool dansTolerance(double valeur, double attendue, double tol) {
    return valeur >= attendue - tol && valeur <= attendue + tol;
}

Tverdict jugerDuree(TdonneesCommunes& d, int a, std::string_view r) {
    const LectureDuree duree = lireDuree(r);
    if (!duree.lisible) {
        return refuser(
            d, Tverdict::illisible,
            {libelleReponse(d, a) + "n'a pas été comprise.",
             "Exemple de réponse comprise : 1 h 2 min 3 s   ou   2 min   ou    3 h 55 min",
             "Le nombre de minutes ou de secondes doit être inférieur à 60.",
             "Le nombre d'heures ou de minutes doit être entier."});
    }
    d.valeurDonnee[a] = duree.secondes;
    // Les secondes peuvent être décimales : la somme 3600 h + 60 min + s n'est pas toujours
    // le double exact de la valeur attendue, d'où la tolérance du champ.
    return dansTolerance(duree.secondes, d.valeurAttendue[a], tolerance(d, a)) ? Tverdict::exact
                                                                               : Tverdict::faux;
}

bool estFraction(const LectureNombre& lu) {
    return lu.genre == LectureNombre::fraction || lu.genre == LectureNombre::fractionDecimale;
}

// Le genre de formule est la valeur attendue arrondie ; une valeur démesurée n'en est aucun.
int genreFormule(double valeur) {
    return std::abs(valeur) < 1000 ? static_cast<int>(std::lround(valeur)) : 0;
}

std::int64_t entierDe(double x) {
    return std::abs(x) < 9e15 ? std::llround(x) : 0;
}

Tverdict jugerNombreSimple(TdonneesCommunes& d, int a, TgenreReponse code, std::string_view r) {
    const std::string p = libelleReponse(d, a);
    if (r.find('%') != std::string_view::npos) {
        return refuser(d, Tverdict::illisible,
                       {"Ne pas écrire \"%\" dans les réponses numériques."});
    }
    const LectureNombre lu = nombres::lireNombre(r);
    if (lu.estIllisible()) {
        return refuser(d, Tverdict::illisible, {p + "n'a pas été comprise."});
    }
    d.valeurDonnee[a] = lu.valeur;
    const bool angle = code == TgenreReponse::angle180 || code == TgenreReponse::angle360;
    if (code == TgenreReponse::entier && estFraction(lu)) {
        return refuser(d, Tverdict::illisible, {p + "doit être un nombre entier."});
    }
    if (angle && lu.valeur < 0) {
        return refuser(d, Tverdict::illisible, {p + "doit être un nombre positif."});
    }
    if (code == TgenreReponse::angle180 && lu.valeur > 180) {
        return refuser(d, Tverdict::illisible,
                       {p + "doit être un nombre inférieur ou égal à 180."});
    }
    if (code == TgenreReponse::angle360 && lu.valeur >= 360) {
        return refuser(d, Tverdict::illisible, {p + "doit être un nombre inférieur à 360."});
    }
    if (code == TgenreReponse::decimal && estFraction(lu)) {
        return refuser(d, Tverdict::illisible, {p + "doit être donnée sous forme décimale."});
    }
    if (!dansTolerance(lu.valeur, d.valeurAttendue[a], tolerance(d, a))) {
        return Tverdict::faux;
    }
    if (code == TgenreReponse::fraction && lu.genre == LectureNombre::decimal) {
        return refuser(d, Tverdict::malEcrit, {p + "doit être donnée sous forme de fraction."});
    }
    if (code == TgenreReponse::fraction && lu.genre == LectureNombre::fractionDecimale) {
        return refuser(d, Tverdict::malEcrit, {p + "doit utiliser seulement des nombres entiers."});
    }
    if (code == TgenreReponse::fraction || code == TgenreReponse::nombre) {
        const bool simplifiable =
            lu.genre == LectureNombre::fractionDecimale ||
            (lu.genre == LectureNombre::fraction &&
             (lu.denominateur == 1 ||
              nombres::reductible(entierDe(lu.numerateur), entierDe(lu.denominateur))));
        if (simplifiable) {
            return refuser(d, Tverdict::malEcrit,
                           {reponseSimplifiable, p + "peut être simplifiée."});
        }
    }
    return Tverdict::exact;
}

} // namespace

Tverdict verifierNombre(TdonneesCommunes& d, int a) {
    const TgenreReponse code = d.typeReponse[a];
    std::string r = d.reponseDonnee[a].texte();
    if (code == TgenreReponse::angle180 || code == TgenreReponse::angle360) {
        r = nombres::rognerBlancs(r);
        if (r.size() >= degre.size() &&
            r.compare(r.size() - degre.size(), degre.size(), degre) == 0) {
            r.erase(r.size() - degre.size());
        }
    }
    const std::string t = nombres::majuscules(nombres::supprimerBlancs(r));
    if (t.find("*10P") != std::string::npos) {
        if (d.nombreChamps <= 1) {
            return refuser(d, Tverdict::illisible,
                           {"La notation scientifique n'est pas autorisée ici."});
        }
        return refuser(d, Tverdict::illisible,
                       {"La notation scientifique n'est pas autorisée pour la réponse " +
                        std::to_string(a) + "."});
    }
    switch (code) {
    case TgenreReponse::vraiFaux:
        return jugerDeuxSens(d, a, lireDeuxSens(r, "V", "VRAI", "F", "FAUX"), "V ou F");
    case TgenreReponse::ouiNon:
        return jugerDeuxSens(d, a, lireDeuxSens(r, "O", "OUI", "N", "NON"), "O ou N");
    case TgenreReponse::formuleTableur:
        return verifierFormuleTableur(d, genreFormule(d.valeurAttendue[a]), libelleReponse(d, a),
                                      d.reponseAttendue[a], r);
    case TgenreReponse::duree:
        return jugerDuree(d, a, r);
    default:
        return jugerNombreSimple(d, a, code, r);
    }
}

} // namespace verificateurs
