#include "analysis/jugement/verifierliste.h"

#include "analysis/expressions/solutions.h"
#include "analysis/jugement/messages.h"

#include <cmath>
#include <memory>
#include <string>

namespace jugement {

namespace {

using analexpr::TlisteSolutions;
using analexpr::Tsolution;

bool differentes(const Tsolution& a, const Tsolution& b, double tolerance) {
    return !(std::abs(a.valeur - b.valeur) <= tolerance);
}

TjugementChamp jugerCoordonnees(const TchampAJuger& c, const TlisteSolutions& eleve,
                                const TlisteSolutions& attendue, double tolerance) {
    const std::string& point = c.lettres;
    TjugementChamp j = verdictSeul(Tverdict::faux);
    const bool abscisse = differentes(eleve.solutions[1], attendue.solutions[1], tolerance);
    const bool ordonnee = eleve.nombreSolutions >= 2 &&
                          differentes(eleve.solutions[2], attendue.solutions[2], tolerance);
    if (abscisse && ordonnee) {
        ajouterLignes(j, {"Les coordonnées de " + point + " sont fausses."});
    } else if (ordonnee) {
        ajouterLignes(j, {"L'ordonnée de " + point + " est fausse."});
    } else if (abscisse) {
        ajouterLignes(j, {"L'abscisse de " + point + " est fausse."});
    }
    return j;
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

TjugementChamp verifierListe(const TchampAJuger& c) {
    const TgenreReponse code = c.genre;
    const bool trier = code == TgenreReponse::solutions || code == TgenreReponse::valeursAnnoncees;
    const auto attendue = std::make_unique<TlisteSolutions>();
    const auto eleve = std::make_unique<TlisteSolutions>();
    analexpr::lireListeSolutions(*attendue, c.attendu, trier);
    analexpr::lireListeSolutions(*eleve, c.reponse, trier);
    const std::string p = libelleReponse(c);

    if (attendue->etatListe != 0 || attendue->doublon) {
        return attenduIncorrect();
    }
    if (eleve->etatListe == TlisteSolutions::elementTropLong) {
        return refuser(Tverdict::illisible, {p + std::string(valeurTropLongue)});
    }
    if (eleve->etatListe != 0) {
        return refuser(Tverdict::illisible, {p + "n'a pas été comprise."});
    }
    if (code == TgenreReponse::solutions && eleve->doublon) {
        return refuser(Tverdict::illisible, {p + "contient une solution en double."});
    }
    if (eleve->nombreSolutions != attendue->nombreSolutions) {
        if (code == TgenreReponse::solutions) {
            return verdictSeul(Tverdict::faux);
        }
        return refuser(
            Tverdict::illisible,
            {p + "doit contenir " + std::to_string(attendue->nombreSolutions) + " valeurs."});
    }
    if (eleve->nombreSolutions == 0) {
        return verdictSeul(Tverdict::exact);
    }

    const double tol = tolerance(c);
    for (int h = 1; h <= eleve->nombreSolutions; ++h) {
        if (!differentes(eleve->solutions[h], attendue->solutions[h], tol)) {
            continue;
        }
        if (code == TgenreReponse::coordonnees) {
            return jugerCoordonnees(c, *eleve, *attendue, tol);
        }
        TjugementChamp j = verdictSeul(Tverdict::faux);
        if (code == TgenreReponse::valeursOrdonnees) {
            ajouterLignes(j, {"La valeur numéro " + std::to_string(h) + " de l" + p.substr(1) +
                              "est fausse."});
        }
        return j;
    }
    for (int h = 1; h <= eleve->nombreSolutions; ++h) {
        if (valeurSimplifiable(eleve->solutions[h], attendue->solutions[h])) {
            return refuser(Tverdict::malEcrit, {reponseSimplifiable, p + "peut être simplifiée."});
        }
    }
    return verdictSeul(Tverdict::exact);
}

} // namespace jugement
