#include "analysis/expressions/comparaison.h"

#include "analysis/expressions/analexpr.h"
#include "analysis/expressions/erreuranalyse.h"
#include "analysis/expressions/evaluation.h"

#include <memory>

namespace analexpr {

namespace {

// Compare les valeurs aux points d'essai ; vrai quand elles concordent. Un point où les deux
// évaluations échouent est sauté ; un point où une seule échoue est une différence ; sans
// aucun point comparé, les valeurs ne sont pas reconnues égales.
bool memesValeurs(Texpression& eleve, Texpression& prof, double tolerance) {
    const auto comparer = [&](double x, double y, int& compares) {
        const bool a = evaluerEn(eleve, x, y);
        const bool b = evaluerEn(prof, x, y);
        if (!a && !b) {
            return true;
        }
        ++compares;
        return a && b && !valeursDifferent(eleve.resultat, prof.resultat, tolerance);
    };
    int compares = 0;
    switch (eleve.nombreLettres) {
    case 0:
        evaluerExpression(eleve);
        evaluerExpression(prof);
        return !eleve.erreurCalcul && !prof.erreurCalcul &&
               !valeursDifferent(eleve.resultat, prof.resultat, tolerance);
    case 1:
        for (int x = -5; x <= 5; ++x) {
            if (!comparer(x, 0, compares)) {
                return false;
            }
        }
        return compares > 0;
    case 2:
        for (int x = -4; x <= 4; ++x) {
            for (int y = -4; y <= 4; ++y) {
                if (!comparer(x, y, compares)) {
                    return false;
                }
            }
        }
        return compares > 0;
    default:
        return true;
    }
}

} // namespace

int comparerExpressions(std::string_view reponse, std::string_view attendue,
                        std::string_view lettres, double tolerance, int typeReponse) {
    const auto eleve = std::make_unique<Texpression>();
    analyserExpression(*eleve, reponse, lettres);
    if (eleve->erreur != 0) {
        return erreurAnalyse(eleve->erreur).codeComparaison;
    }
    const auto prof = std::make_unique<Texpression>();
    analyserExpression(*prof, attendue, lettres);
    if (prof->erreur != 0) {
        return 16;
    }
    if (typeReponse <= 18 && !eleve->polynome) {
        return 4;
    }
    if (!memesValeurs(*eleve, *prof, tolerance)) {
        return 3;
    }
    const bool developpeeReduite = typeReponse == 17 || typeReponse == 18;
    if (typeReponse == 18 && reponse.find('(') != std::string_view::npos) {
        return 12;
    }
    if (developpeeReduite && !eleve->developpee) {
        return 5;
    }
    if (developpeeReduite && eleve->nombreTermes > prof->nombreTermes) {
        return 6;
    }
    if (typeReponse == 16) {
        if (eleve->nombreFacteurs < 2) {
            return 7;
        }
        if (eleve->nombreFacteurs < prof->nombreFacteurs) {
            return 8;
        }
        if (eleve->sommeReductible) {
            return 18;
        }
    }
    if (!prof->decimalOuFraction && eleve->decimalOuFraction) {
        eleve->simplifiable = true;
    }
    if (eleve->simplifiable) {
        return 11;
    }
    return 0;
}

} // namespace analexpr
