#include "analysis/expressions/erreuranalyse.h"

namespace analexpr {

std::string ErreurAnalyse::message() const {
    if (code == TcodeErreur::aucune) {
        return {};
    }
    std::string texte = "La réponse ";
    texte += phrase;
    for (std::string_view ligne : explications) {
        texte += ' ';
        texte += ligne;
    }
    return texte;
}

const std::vector<ErreurAnalyse>& tableErreursAnalyse() {
    static const std::vector<ErreurAnalyse> table = {
        {TcodeErreur::aucune, "", {}, TresultatComparaison::acceptee, "2x+1", "x"},
        {TcodeErreur::parentheses,
         "est incorrecte (erreur de parenthésage)",
         {},
         TresultatComparaison::parentheses,
         "(x+1",
         "x"},
        {TcodeErreur::malEcrite, "est incorrecte.", {}, TresultatComparaison::malEcrite, "x+", "x"},
        {TcodeErreur::lettreInconnue,
         "est incorrecte (variable non reconnue)",
         {},
         TresultatComparaison::lettreInconnue,
         "y+1",
         "x"},
        {TcodeErreur::exposant,
         "est incorrecte :",
         {"Les puissances doivent être ici des entiers de 2 à 9."},
         TresultatComparaison::exposant,
         "x^10",
         "x"},
        {TcodeErreur::quotientProduit,
         " contient un quotient suivi d'un produit.",
         {"Veuillez ajouter des parenthèses pour confirmer la priorité du quotient."},
         TresultatComparaison::quotientProduit,
         "1/2x",
         "x"},
        {TcodeErreur::quotientQuotient,
         " contient un quotient suivi d'un quotient.",
         {"Veuillez ajouter des parenthèses pour confirmer la priorité du premier quotient."},
         TresultatComparaison::quotientQuotient,
         "x/2/3",
         "x"},
        {TcodeErreur::vide, "est incorrecte.", {}, TresultatComparaison::malEcrite, "", "x"},
        {TcodeErreur::racineVariable,
         "est incorrecte:",
         {"Les racines carrées non constantes ne sont pas autorisées ici.",
          "positifs non carrés parfaits et les racines carrées de fractions irréductibles",
          "positives dont ni le numérateur, ni le dénominateur ne sont des carrés parfaits"},
         TresultatComparaison::racineVariable,
         "rac(x)",
         "x"},
        {TcodeErreur::puissancesEnChaine,
         "est incorrecte\u00A0:",
         {"Mettre des parenthèses, par exemple (x^2)^3."},
         TresultatComparaison::puissancesEnChaine,
         "x^2^3",
         "x"},
    };
    return table;
}

const ErreurAnalyse& erreurAnalyse(TcodeErreur code) {
    for (const ErreurAnalyse& e : tableErreursAnalyse()) {
        if (e.code == code) {
            return e;
        }
    }
    return tableErreursAnalyse()[2];
}

const ErreurAnalyse& erreurDuResultat(TresultatComparaison codeComparaison) {
    for (const ErreurAnalyse& e : tableErreursAnalyse()) {
        if (e.code != TcodeErreur::aucune && e.codeComparaison == codeComparaison) {
            return e;
        }
    }
    return erreurAnalyse(TcodeErreur::malEcrite);
}

} // namespace analexpr
