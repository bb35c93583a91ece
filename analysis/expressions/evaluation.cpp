#include "analysis/expressions/evaluation.h"

#include <cmath>
#include <limits>

namespace analexpr {

namespace {

// Valeur d'un nœud dont les opérandes sont déjà évalués ; faux en cas d'échec.
bool evaluerNoeud(Texpression& e, Tbranche& n) {
    const double g = e.branches[n.gauche].valeur;
    const double d = e.branches[n.droite].valeur;
    switch (n.operateur) {
    case Tbranche::somme:
        n.valeur = g + d;
        break;
    case Tbranche::difference:
        n.valeur = g - d;
        break;
    case Tbranche::produit:
        n.valeur = g * d;
        break;
    case Tbranche::quotient:
        if (!(std::abs(d) >= 1e-20)) {
            return false;
        }
        n.valeur = g / d;
        break;
    case Tbranche::puissance: {
        // L'exposant est un entier de 2 à 9, vérifié à l'analyse.
        const long exposant = std::lround(d);
        if (exposant < 1 || exposant > 9) {
            return false;
        }
        double p = g;
        for (long i = 1; i < exposant; ++i) {
            p *= g;
        }
        n.valeur = p;
        break;
    }
    case Tbranche::racine:
        if (g < -1e-10 || std::isnan(g)) {
            return false;
        }
        n.valeur = g > 0 ? std::sqrt(g) : 0;
        break;
    case Tbranche::oppose:
        n.valeur = -g;
        break;
    case Tbranche::groupe:
    case Tbranche::plusUnaire:
        n.valeur = g;
        break;
    case Tbranche::lettre:
        n.valeur = e.valeursLettres[n.variable];
        break;
    default:
        break;
    }
    return std::isfinite(n.valeur);
}

} // namespace

void evaluerExpression(Texpression& expression) {
    expression.erreurCalcul = false;
    // Les opérandes ont des indices plus grands que leur nœud : en descendant les indices,
    // chaque nœud est évalué après ses opérandes.
    for (int i = expression.nombreBranches; i >= 1; --i) {
        if (!evaluerNoeud(expression, expression.branches[i])) {
            expression.erreurCalcul = true;
            break;
        }
    }
    if (expression.nombreBranches < 1 || expression.erreur != TcodeErreur::aucune) {
        expression.erreurCalcul = true;
    }
    expression.resultat = expression.erreurCalcul ? std::numeric_limits<double>::quiet_NaN()
                                                  : expression.branches[1].valeur;
}

bool evaluerEn(Texpression& expression, double x, double y, double z) {
    expression.valeursLettres[1] = x;
    expression.valeursLettres[2] = y;
    expression.valeursLettres[3] = z;
    evaluerExpression(expression);
    return !expression.erreurCalcul;
}

bool valeursDifferent(double a, double b, double tolerance) {
    return !(std::abs(a - b) <= tolerance);
}

} // namespace analexpr
