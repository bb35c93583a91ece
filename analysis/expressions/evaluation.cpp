#include "analysis/expressions/evaluation.h"

#include <cmath>
#include <limits>

namespace analexpr {

namespace {

// Valeur d'un nœud dont les opérandes sont déjà évalués, et son ampleur : la borne, au
// premier ordre, de l'erreur d'arrondi du calcul en unités de l'epsilon des doubles (pour un
// polynôme développé, la somme des valeurs absolues de ses termes). Faux en cas d'échec.
bool evaluerNoeud(Texpression& e, Tbranche& n) {
    const Tbranche& l = e.branches[n.gauche];
    const Tbranche& r = e.branches[n.droite];
    const double g = l.valeur;
    const double d = r.valeur;
    switch (n.operateur) {
    case Tbranche::somme:
        n.valeur = g + d;
        n.ampleur = l.ampleur + r.ampleur;
        break;
    case Tbranche::difference:
        n.valeur = g - d;
        n.ampleur = l.ampleur + r.ampleur;
        break;
    case Tbranche::produit:
        n.valeur = g * d;
        n.ampleur = l.ampleur * std::abs(d) + std::abs(g) * r.ampleur + std::abs(n.valeur);
        break;
    case Tbranche::quotient:
        if (!(std::abs(d) >= 1e-20)) {
            return false;
        }
        n.valeur = g / d;
        n.ampleur = (l.ampleur + std::abs(n.valeur) * r.ampleur) / std::abs(d) + std::abs(n.valeur);
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
        const double base = std::abs(g) > 0 ? std::abs(p / g) : 0;
        n.ampleur = static_cast<double>(exposant) * (base * l.ampleur + std::abs(p));
        break;
    }
    case Tbranche::racine:
        if (g < -1e-10 || std::isnan(g)) {
            return false;
        }
        n.valeur = g > 0 ? std::sqrt(g) : 0;
        n.ampleur = n.valeur > 0 ? l.ampleur / (2 * n.valeur) + n.valeur : std::sqrt(l.ampleur);
        break;
    case Tbranche::oppose:
        n.valeur = -g;
        n.ampleur = l.ampleur;
        break;
    case Tbranche::groupe:
    case Tbranche::plusUnaire:
        n.valeur = g;
        n.ampleur = l.ampleur;
        break;
    case Tbranche::lettre:
        n.valeur = e.valeursLettres[n.variable];
        n.ampleur = std::abs(n.valeur);
        break;
    default:
        n.ampleur = std::abs(n.valeur);
        break;
    }
    return std::isfinite(n.valeur) && std::isfinite(n.ampleur);
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
    expression.ampleur = expression.erreurCalcul ? std::numeric_limits<double>::quiet_NaN()
                                                 : expression.branches[1].ampleur;
}

bool evaluerEn(Texpression& expression, double x, double y, double z) {
    const double valeurs[] = {x, y, z};
    return evaluerEn(expression, valeurs);
}

bool evaluerEn(Texpression& expression, std::span<const double> valeurs) {
    for (std::size_t k = 1; k < expression.valeursLettres.size(); ++k) {
        expression.valeursLettres[k] = k <= valeurs.size() ? valeurs[k - 1] : 0;
    }
    evaluerExpression(expression);
    return !expression.erreurCalcul;
}

bool valeursDifferent(double a, double b, double tolerance) {
    return !(std::abs(a - b) <= tolerance);
}

} // namespace analexpr
