#include "analysis/expressions/tabulationcourbe.h"

#include "analysis/expressions/analexpr.h"
#include "analysis/expressions/evaluation.h"

#include <algorithm>
#include <memory>

namespace analexpr {

TabulationCourbe tabulerCourbe(std::string_view fonction, int nombrePoints, double xmin,
                               double xmax) {
    TabulationCourbe courbe;
    const auto expression = std::make_unique<Texpression>();
    analyserExpression(*expression, fonction, "x");
    if (expression->erreur != TcodeErreur::aucune) {
        return courbe;
    }
    const int n = std::clamp(nombrePoints, 0, TabulationCourbe::pointsMaximum);
    courbe.abscisses.resize(n);
    courbe.ordonnees.resize(n, 0.0);
    courbe.indefini.resize(n, true);
    for (int i = 0; i < n; ++i) {
        // Un seul point se place en xmin (pas de division par n − 1 = 0).
        const double x = n > 1 ? xmin + (xmax - xmin) * i / (n - 1) : xmin;
        courbe.abscisses[i] = x;
        if (evaluerEn(*expression, x)) {
            courbe.ordonnees[i] = expression->resultat;
            courbe.indefini[i] = false;
            ++courbe.nombreDefinis;
        }
    }
    return courbe;
}

} // namespace analexpr
