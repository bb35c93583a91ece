#include "core/verificateurs/verifierliste.h"

#include "analysis/expressions/solutions.h"
#include "analysis/jugement/genresreponse.h"
#include "analysis/jugement/verdict.h"
#include "core/donneescommunes.h"
#include "core/exercice/verdicts.h"
#include "core/verificateurs/messagesverdict.h"

#include <cmath>
#include <memory>
#include <string>

namespace verificateurs {

namespace {

using analexpr::TlisteSolutions;
using analexpr::Tsolution;

bool differentes(const Tsolution& a, const Tsolution& b, double tolerance) {
    return !(std::abs(a.valeur - b.valeur) <= tolerance);
}

Tverdict jugerCoordonnees(TdonneesCommunes& d, int a, const TlisteSolutions& eleve,
                          const TlisteSolutions& attendue, double tolerance) {
    const std::string& point = d.lettresPermises[a].texte();
    const bool abscisse = differentes(eleve.solutions[1], attendue.solutions[1], tolerance);
    const bool ordonnee = eleve.nombreSolutions >= 2 &&
                          differentes(eleve.solutions[2], attendue.solutions[2], tolerance);
    if (abscisse && ordonnee) {
        ecrireMessages(d, {"Les coordonnées de " + point + " sont fausses."});
    } else if (ordonnee) {
        ecrireMessages(d, {"L'ordonnée de " + point + " est fausse."});
    } else if (abscisse) {
        ecrireMessages(d, {"L'abscisse de " + point + " est fausse."});
    }
    return Tverdict::faux;
}

} // namespace

bool valeurSimplifiable(const Tsolution& eleve, const Tsolution& attendue) {
    const bool attendueDecimaleOuFraction = attendue.forme == Tsolution::decimal ||
                                            attendue.forme == Tsolution::fraction ||
                                            attendue.forme == Tsolution::fractionDecimale;
    return eleve.simplifiable ||
           (attendue.forme == Tsolution::entier && eleve.forme != Tsolution::entier) ||
           (eleve.forme == Tsolution::expression && attendueDecimaleOuFraction);
}

Tverdict verifierListe(TdonneesCommunes& d, int a) {
    const TgenreReponse code = d.typeReponse[a];
    const bool trier = code == TgenreReponse::solutions || code == TgenreReponse::valeursAnnoncees;
    const auto attendue = std::make_unique<TlisteSolutions>();
    const auto eleve = std::make_unique<TlisteSolutions>();
    analexpr::lireListeSolutions(*attendue, d.reponseAttendue[a], trier);
    analexpr::lireListeSolutions(*eleve, d.reponseDonnee[a], trier);
    const std::string p = libelleReponse(d, a);

    if (attendue->etatListe != 0 || attendue->doublon) {
        ecrireMessages(d, {expressionProfIncorrecte});
        return Tverdict::illisible;
    }
    if (eleve->etatListe != 0) {
        return refuser(d, Tverdict::illisible, {p + "n'a pas été comprise."});
    }
    if (code == TgenreReponse::solutions && eleve->doublon) {
        return refuser(d, Tverdict::illisible, {p + "contient une solution en double."});
    }
    if (eleve->nombreSolutions != attendue->nombreSolutions) {
        if (code == TgenreReponse::solutions) {
            return Tverdict::faux;
        }
        return refuser(
            d, Tverdict::illisible,
            {p + "doit contenir " + std::to_string(attendue->nombreSolutions) + " valeurs."});
    }
    if (eleve->nombreSolutions == 0) {
        return Tverdict::exact;
    }

    const double tolerance = d.precision[a] == 0 ? 1e-9 : std::abs(d.precision[a]);
    for (int h = 1; h <= eleve->nombreSolutions; ++h) {
        if (!differentes(eleve->solutions[h], attendue->solutions[h], tolerance)) {
            continue;
        }
        if (code == TgenreReponse::valeursOrdonnees) {
            ecrireMessages(d, {"La valeur numéro " + std::to_string(h) + " de l" + p.substr(1) +
                               "est fausse."});
        } else if (code == TgenreReponse::coordonnees) {
            return jugerCoordonnees(d, a, *eleve, *attendue, tolerance);
        }
        return Tverdict::faux;
    }
    for (int h = 1; h <= eleve->nombreSolutions; ++h) {
        if (valeurSimplifiable(eleve->solutions[h], attendue->solutions[h])) {
            return refuser(d, Tverdict::malEcrit,
                           {reponseSimplifiable, p + "peut être simplifiée."});
        }
    }
    return Tverdict::exact;
}

} // namespace verificateurs
