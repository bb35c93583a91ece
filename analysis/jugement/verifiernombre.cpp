#include "analysis/jugement/verifiernombre.h"

#include "analysis/expressions/preparation.h"
#include "analysis/jugement/formuletableur.h"
#include "analysis/jugement/lectureduree.h"
#include "analysis/jugement/messages.h"
#include "analysis/nombres/arithmetique.h"
#include "analysis/nombres/lecturenombre.h"
#include "analysis/texte/chaines.h"

#include <cmath>
#include <cstdint>
#include <string>

namespace jugement {

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

TjugementChamp jugerDeuxSens(const TchampAJuger& c, int sens, std::string_view lettres) {
    if (sens < 0) {
        return refuser(Tverdict::illisible, {libelleReponse(c) + "n'a pas été comprise (taper " +
                                             std::string(lettres) + ")."});
    }
    return verdictSeul(sens == c.valeurAttendue ? Tverdict::exact : Tverdict::faux);
}

bool dansTolerance(double valeur, double attendue, double tol) {
    return valeur >= attendue - tol && valeur <= attendue + tol;
}

TjugementChamp jugerDuree(const TchampAJuger& c, std::string_view r) {
    const LectureDuree duree = lireDuree(r);
    if (!duree.lisible) {
        return refuser(
            Tverdict::illisible,
            {libelleReponse(c) + "n'a pas été comprise.",
             "Exemple de réponse comprise : 1 h 2 min 3 s   ou   2 min   ou    3 h 55 min",
             "Le nombre de minutes ou de secondes doit être inférieur à 60.",
             "Le nombre d'heures ou de minutes doit être entier."});
    }
    // Les secondes peuvent être décimales : la somme 3600 h + 60 min + s n'est pas toujours
    // le double exact de la valeur attendue, d'où la tolérance du champ.
    TjugementChamp j =
        verdictSeul(dansTolerance(duree.secondes, c.valeurAttendue, tolerance(c)) ? Tverdict::exact
                                                                                  : Tverdict::faux);
    j.valeurLue = duree.secondes;
    return j;
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

// Les tests d'écriture et de valeur d'un nombre lu.
TjugementChamp jugerNombreLu(const TchampAJuger& c, const LectureNombre& lu) {
    const TgenreReponse code = c.genre;
    const std::string p = libelleReponse(c);
    const bool angle = code == TgenreReponse::angle180 || code == TgenreReponse::angle360;
    if (code == TgenreReponse::entier && estFraction(lu)) {
        return refuser(Tverdict::illisible, {p + "doit être un nombre entier."});
    }
    if (angle && lu.valeur < 0) {
        return refuser(Tverdict::illisible, {p + "doit être un nombre positif."});
    }
    if (code == TgenreReponse::angle180 && lu.valeur > 180) {
        return refuser(Tverdict::illisible, {p + "doit être un nombre inférieur ou égal à 180."});
    }
    if (code == TgenreReponse::angle360 && lu.valeur >= 360) {
        return refuser(Tverdict::illisible, {p + "doit être un nombre inférieur à 360."});
    }
    if (code == TgenreReponse::decimal && estFraction(lu)) {
        return refuser(Tverdict::illisible, {p + "doit être donnée sous forme décimale."});
    }
    if (!dansTolerance(lu.valeur, c.valeurAttendue, tolerance(c))) {
        return verdictSeul(Tverdict::faux);
    }
    if (code == TgenreReponse::fraction && lu.genre == LectureNombre::decimal) {
        return refuser(Tverdict::malEcrit, {p + "doit être donnée sous forme de fraction."});
    }
    if (code == TgenreReponse::fraction && lu.genre == LectureNombre::fractionDecimale) {
        return refuser(Tverdict::malEcrit, {p + "doit utiliser seulement des nombres entiers."});
    }
    if (code == TgenreReponse::fraction || code == TgenreReponse::nombre) {
        const bool simplifiable =
            lu.genre == LectureNombre::fractionDecimale ||
            (lu.genre == LectureNombre::fraction &&
             (lu.denominateur == 1 ||
              nombres::reductible(entierDe(lu.numerateur), entierDe(lu.denominateur))));
        if (simplifiable) {
            return refuser(Tverdict::malEcrit, {reponseSimplifiable, p + "peut être simplifiée."});
        }
    }
    return verdictSeul(Tverdict::exact);
}

// Un nombre simple : ni pourcentage ni texte illisible, puis les tests du nombre lu ; la
// valeur lue est rendue même quand l'écriture est refusée.
TjugementChamp jugerNombreSimple(const TchampAJuger& c, std::string_view r) {
    if (r.find('%') != std::string_view::npos) {
        return refuser(Tverdict::illisible, {"Ne pas écrire \"%\" dans les réponses numériques."});
    }
    const LectureNombre lu = nombres::lireNombre(r);
    if (lu.estIllisible()) {
        return refuser(Tverdict::illisible, {libelleReponse(c) + "n'a pas été comprise."});
    }
    TjugementChamp j = jugerNombreLu(c, lu);
    j.valeurLue = lu.valeur;
    return j;
}

} // namespace

TjugementChamp verifierNombre(const TchampAJuger& c) {
    const TgenreReponse code = c.genre;
    // Les signes d'un clavier ou d'un texte copié (« −3 », « 3÷4 ») valent ceux de la syntaxe.
    std::string r = analexpr::remplacerSignesTypographiques(c.reponse);
    if (code == TgenreReponse::angle180 || code == TgenreReponse::angle360) {
        r = nombres::rognerBlancs(r);
        if (r.size() >= degre.size() &&
            r.compare(r.size() - degre.size(), degre.size(), degre) == 0) {
            r.erase(r.size() - degre.size());
        }
    }
    const std::string t = nombres::majuscules(nombres::supprimerBlancs(r));
    if (t.find("*10P") != std::string::npos) {
        if (c.nombreChamps <= 1) {
            return refuser(Tverdict::illisible,
                           {"La notation scientifique n'est pas autorisée ici."});
        }
        return refuser(Tverdict::illisible,
                       {"La notation scientifique n'est pas autorisée pour la réponse " +
                        std::to_string(c.numero) + "."});
    }
    switch (code) {
    case TgenreReponse::vraiFaux:
        return jugerDeuxSens(c, lireDeuxSens(r, "V", "VRAI", "F", "FAUX"), "V ou F");
    case TgenreReponse::ouiNon:
        return jugerDeuxSens(c, lireDeuxSens(r, "O", "OUI", "N", "NON"), "O ou N");
    case TgenreReponse::formuleTableur:
        return verifierFormuleTableur(genreFormule(c.valeurAttendue), libelleReponse(c), c.attendu,
                                      r);
    case TgenreReponse::duree:
        return jugerDuree(c, r);
    default:
        return jugerNombreSimple(c, r);
    }
}

} // namespace jugement
