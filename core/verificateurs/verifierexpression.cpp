#include "core/verificateurs/verifierexpression.h"

#include "analysis/expressions/comparaison.h"
#include "analysis/jugement/verdict.h"
#include "core/donneescommunes.h"
#include "core/exercice/enonce.h"
#include "core/exercice/verdicts.h"
#include "core/verificateurs/messagesverdict.h"

#include <algorithm>
#include <array>
#include <string>

namespace verificateurs {

namespace {

// Un résultat de la comparaison, son verdict et ses lignes ; la première ligne suit « La
// réponse » quand avecPrefixe est vrai.
struct TresultatExpression {
    int resultat;
    Tverdict verdict;
    bool avecPrefixe;
    std::array<std::string_view, 4> lignes;
};

constexpr std::array resultats{
    TresultatExpression{0, Tverdict::exact, false, {}},
    TresultatExpression{2, Tverdict::illisible, true, {"est incorrecte."}},
    TresultatExpression{3, Tverdict::faux, false, {}},
    TresultatExpression{
        4,
        Tverdict::illisible,
        true,
        {"est incorrecte:", "Une division par une expression variable n'est pas autorisée ici."}},
    TresultatExpression{5, Tverdict::malEcrit, true, {"n'est pas développée."}},
    TresultatExpression{6, Tverdict::malEcrit, true, {"peut être réduite."}},
    TresultatExpression{7, Tverdict::malEcrit, true, {"n'est pas ou pas assez factorisée."}},
    TresultatExpression{8, Tverdict::malEcrit, true, {"n'est pas ou pas assez factorisée."}},
    TresultatExpression{9, Tverdict::illisible, true, {"est incorrecte (variable non reconnue)"}},
    TresultatExpression{10, Tverdict::illisible, true, {"est incorrecte (erreur de parenthésage)"}},
    TresultatExpression{11, Tverdict::malEcrit, true, {"peut être simplifiée."}},
    TresultatExpression{
        12, Tverdict::malEcrit, true, {"est à donner sans utiliser de parenthèses."}},
    TresultatExpression{
        13,
        Tverdict::illisible,
        true,
        {"est incorrecte :", "Les puissances doivent être ici des entiers de 2 à 9."}},
    TresultatExpression{
        14,
        Tverdict::illisible,
        true,
        {" contient un quotient suivi d'un produit.",
         "Veuillez ajouter des parenthèses pour confirmer la priorité du quotient."}},
    TresultatExpression{
        15,
        Tverdict::illisible,
        true,
        {" contient un quotient suivi d'un quotient.",
         "Veuillez ajouter des parenthèses pour confirmer la priorité du premier quotient."}},
    TresultatExpression{16, Tverdict::illisible, false, {expressionProfIncorrecte}},
    TresultatExpression{
        17,
        Tverdict::illisible,
        true,
        {"est incorrecte:", "Les racines carrées non constantes ne sont pas autorisées ici.",
         "positifs non carrés parfaits et les racines carrées de fractions irréductibles",
         "positives dont ni le numérateur, ni le dénominateur ne sont des carrés parfaits"}},
    TresultatExpression{18, Tverdict::malEcrit, true, {"peut être réduite."}},
};

} // namespace

Tverdict verifierExpression(TdonneesCommunes& d, int a) {
    // Comme pour les nombres, une tolérance nulle vaut 1e-9 : deux écritures d'une même
    // expression ne donnent pas toujours le même double (« (x+1)/3 » et « x/3+1/3 »).
    const double tolerance = d.precision[a] == 0 ? 1e-9 : d.precision[a];
    const int resultat = analexpr::comparerExpressions(d.reponseDonnee[a], d.reponseAttendue[a],
                                                       d.lettresPermises[a], tolerance,
                                                       static_cast<int>(d.typeReponse[a]));
    auto trouve =
        std::find_if(resultats.begin(), resultats.end(),
                     [resultat](const TresultatExpression& r) { return r.resultat == resultat; });
    // Un résultat inconnu est traité comme un texte mal écrit.
    if (trouve == resultats.end()) {
        trouve = std::find_if(resultats.begin(), resultats.end(),
                              [](const TresultatExpression& r) { return r.resultat == 2; });
    }
    if (trouve->verdict == Tverdict::exact || trouve->verdict == Tverdict::faux) {
        return trouve->verdict;
    }
    verdictIncorrect(d);
    bool premiere = true;
    for (std::string_view ligne : trouve->lignes) {
        if (ligne.empty()) {
            break;
        }
        if (premiere && trouve->avecPrefixe) {
            ajouterMessage(d, libelleReponse(d, a) + std::string(ligne));
        } else {
            ajouterMessage(d, ligne);
        }
        premiere = false;
    }
    return trouve->verdict;
}

} // namespace verificateurs
