#include "analysis/jugement/verifierexpression.h"

#include "analysis/expressions/comparaison.h"
#include "analysis/expressions/erreuranalyse.h"
#include "analysis/jugement/messages.h"

#include <algorithm>
#include <array>
#include <string>

namespace jugement {

namespace {

// Un résultat de la comparaison qui ne vient pas d'une erreur d'analyse de la réponse, son
// verdict et ses lignes ; la première ligne suit « La réponse » quand avecPrefixe est vrai.
using R = TresultatComparaison;

struct TresultatExpression {
    TresultatComparaison resultat;
    Tverdict verdict;
    bool avecPrefixe;
    std::array<std::string_view, 2> lignes;
};

constexpr std::array resultats{
    TresultatExpression{R::acceptee, Tverdict::exact, false, {}},
    TresultatExpression{R::valeurDifferente, Tverdict::faux, false, {}},
    TresultatExpression{
        R::lettreAuDenominateur,
        Tverdict::illisible,
        true,
        {"est incorrecte:", "Une division par une expression variable n'est pas autorisée ici."}},
    TresultatExpression{R::nonDeveloppee, Tverdict::malEcrit, true, {"n'est pas développée."}},
    TresultatExpression{R::nonReduite, Tverdict::malEcrit, true, {"peut être réduite."}},
    TresultatExpression{
        R::nonFactorisee, Tverdict::malEcrit, true, {"n'est pas ou pas assez factorisée."}},
    TresultatExpression{
        R::pasAssezFactorisee, Tverdict::malEcrit, true, {"n'est pas ou pas assez factorisée."}},
    TresultatExpression{R::simplifiable, Tverdict::malEcrit, true, {"peut être simplifiée."}},
    TresultatExpression{R::parenthesesInterdites,
                        Tverdict::malEcrit,
                        true,
                        {"est à donner sans utiliser de parenthèses."}},
    TresultatExpression{
        R::attendueIncorrecte, Tverdict::illisible, false, {expressionProfIncorrecte}},
    TresultatExpression{R::facteurReductible, Tverdict::malEcrit, true, {"peut être réduite."}},
};

} // namespace

TjugementChamp verifierExpression(const TchampAJuger& c) {
    // Comme pour les nombres, une tolérance nulle vaut 1e-9 : deux écritures d'une même
    // expression ne donnent pas toujours le même double (« (x+1)/3 » et « x/3+1/3 »).
    const double tolerance = c.precision == 0 ? 1e-9 : c.precision;
    const TresultatComparaison resultat =
        analexpr::comparerExpressions(c.reponse, c.attendu, c.lettres, tolerance, c.genre);
    const auto trouve =
        std::find_if(resultats.begin(), resultats.end(),
                     [resultat](const TresultatExpression& r) { return r.resultat == resultat; });
    if (trouve != resultats.end() &&
        (trouve->verdict == Tverdict::exact || trouve->verdict == Tverdict::faux)) {
        return verdictSeul(trouve->verdict);
    }
    TjugementChamp j = verdictSeul(Tverdict::illisible);
    j.refus = true;
    if (trouve == resultats.end()) {
        // Les autres résultats viennent d'une erreur d'analyse de la réponse : ses lignes sont
        // celles de la table des erreurs d'analyse (un résultat inconnu y est un texte mal
        // écrit).
        const analexpr::ErreurAnalyse& erreur = analexpr::erreurDuResultat(resultat);
        j.messages.push_back(libelleReponse(c) + std::string(erreur.phrase));
        for (std::string_view ligne : erreur.explications) {
            j.messages.emplace_back(ligne);
        }
        return j;
    }
    j.verdict = trouve->verdict;
    bool premiere = true;
    for (std::string_view ligne : trouve->lignes) {
        if (ligne.empty()) {
            break;
        }
        j.messages.push_back(premiere && trouve->avecPrefixe
                                 ? libelleReponse(c) + std::string(ligne)
                                 : std::string(ligne));
        premiere = false;
    }
    return j;
}

} // namespace jugement
