#include "display/figures/courbefigure.h"

#include "analysis/expressions/analexpr.h"
#include "analysis/expressions/evaluation.h"
#include "display/figures/tracefigure.h"

#include <algorithm>
#include <cmath>
#include <memory>

namespace {

// L'expression est analysée une fois ; chaque appel l'évalue en x. Les copies de la fonction
// partagent l'arbre, ce qui suffit dans un programme mono-fil.
TfonctionCourbe traduireExpression(std::string_view texte) {
    auto expression = std::make_shared<analexpr::Texpression>();
    analexpr::analyserExpression(*expression, texte, "x");
    if (expression->erreur != TcodeErreur::aucune) {
        return {};
    }
    return [expression](double x) -> std::optional<double> {
        if (!analexpr::evaluerEn(*expression, x)) {
            return std::nullopt;
        }
        return expression->resultat;
    };
}

TtraducteurCourbe traducteur = traduireExpression;

} // namespace

void installerTraducteurCourbe(TtraducteurCourbe t) {
    traducteur = t ? t : traduireExpression;
}

TtraducteurCourbe traducteurCourbe() {
    return traducteur;
}

TcourbeFigure::TcourbeFigure() : TobjetFigure(genreCourbe, Tclasse::courbe) {
    style = 1;
    taille = 1;
}

void TcourbeFigure::recalculer(const TzoneAffichage&) {
    echantillons.clear();
    erreurs.clear();
    indefini = true;
    if (!fonction) {
        return;
    }
    const int n = std::clamp(nombre, 2, pointsMaximum);
    for (int i = 0; i < n; ++i) {
        const double x = xDebut + (xFin - xDebut) * i / (n - 1);
        const std::optional<double> y = fonction(x);
        const bool bon = y.has_value() && std::isfinite(*y);
        echantillons.push_back({x, bon ? *y : 0});
        erreurs.push_back(!bon);
        if (bon) {
            indefini = false;
        }
    }
}

void TcourbeFigure::peindre(Tcanevas& canevas, TzoneAffichage& zone) {
    for (std::size_t i = 1; i < echantillons.size(); ++i) {
        if (!erreurs[i - 1] && !erreurs[i]) {
            tracerTrait(canevas, zone, versPixels(zone, echantillons[i - 1]),
                        versPixels(zone, echantillons[i]), couleur, style, taille);
        }
    }
}
