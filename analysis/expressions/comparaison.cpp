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

TresultatComparaison comparerExpressions(std::string_view reponse, std::string_view attendue,
                                         std::string_view lettres, double tolerance,
                                         TgenreReponse genre) {
    using R = TresultatComparaison;
    const auto eleve = std::make_unique<Texpression>();
    analyserExpression(*eleve, reponse, lettres);
    if (eleve->erreur != TcodeErreur::aucune) {
        return erreurAnalyse(eleve->erreur).codeComparaison;
    }
    const auto prof = std::make_unique<Texpression>();
    analyserExpression(*prof, attendue, lettres);
    if (prof->erreur != TcodeErreur::aucune) {
        return R::attendueIncorrecte;
    }
    // Les genres au-delà de l'écriture développée sans parenthèses permettent des lettres
    // aux dénominateurs.
    const auto code = static_cast<int>(genre);
    if (code <= static_cast<int>(TgenreReponse::developpeeSansParentheses) && !eleve->polynome) {
        return R::lettreAuDenominateur;
    }
    if (!memesValeurs(*eleve, *prof, tolerance)) {
        return R::valeurDifferente;
    }
    const bool developpeeReduite =
        genre == TgenreReponse::developpee || genre == TgenreReponse::developpeeSansParentheses;
    if (genre == TgenreReponse::developpeeSansParentheses &&
        reponse.find('(') != std::string_view::npos) {
        return R::parenthesesInterdites;
    }
    if (developpeeReduite && !eleve->developpee) {
        return R::nonDeveloppee;
    }
    if (developpeeReduite && eleve->nombreTermes > prof->nombreTermes) {
        return R::nonReduite;
    }
    if (genre == TgenreReponse::factorisee) {
        if (eleve->nombreFacteurs < 2) {
            return R::nonFactorisee;
        }
        if (eleve->nombreFacteurs < prof->nombreFacteurs) {
            return R::pasAssezFactorisee;
        }
        if (eleve->sommeReductible) {
            return R::facteurReductible;
        }
    }
    if (!prof->decimalOuFraction && eleve->decimalOuFraction) {
        eleve->simplifiable = true;
    }
    if (eleve->simplifiable) {
        return R::simplifiable;
    }
    return R::acceptee;
}

} // namespace analexpr
