#include "analysis/expressions/erreuranalyse.h"

namespace analexpr {

std::string ErreurAnalyse::message() const {
    if (code == 0) {
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
        {0, "", {}, 0, "2x+1", "x"},
        {1, "est incorrecte (erreur de parenthésage)", {}, 10, "(x+1", "x"},
        {2, "est incorrecte.", {}, 2, "x+", "x"},
        {4, "est incorrecte (variable non reconnue)", {}, 9, "y+1", "x"},
        {5,
         "est incorrecte :",
         {"Les puissances doivent être ici des entiers de 2 à 9."},
         13,
         "x^10",
         "x"},
        {6,
         " contient un quotient suivi d'un produit.",
         {"Veuillez ajouter des parenthèses pour confirmer la priorité du quotient."},
         14,
         "1/2x",
         "x"},
        {7,
         " contient un quotient suivi d'un quotient.",
         {"Veuillez ajouter des parenthèses pour confirmer la priorité du premier quotient."},
         15,
         "x/2/3",
         "x"},
        {8, "est incorrecte.", {}, 2, "", "x"},
        {9,
         "est incorrecte:",
         {"Les racines carrées non constantes ne sont pas autorisées ici.",
          "positifs non carrés parfaits et les racines carrées de fractions irréductibles",
          "positives dont ni le numérateur, ni le dénominateur ne sont des carrés parfaits"},
         17,
         "rac(x)",
         "x"},
        {10,
         "est incorrecte\u00A0:",
         {"Mettre des parenthèses, par exemple (x^2)^3."},
         19,
         "x^2^3",
         "x"},
    };
    return table;
}

const ErreurAnalyse& erreurAnalyse(int code) {
    for (const ErreurAnalyse& e : tableErreursAnalyse()) {
        if (e.code == code) {
            return e;
        }
    }
    return tableErreursAnalyse()[2];
}

} // namespace analexpr
