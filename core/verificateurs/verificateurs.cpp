#include "core/verificateurs/verificateurs.h"

#include "analysis/jugement/genresreponse.h"
#include "analysis/jugement/verdict.h"
#include "core/donneescommunes.h"
#include "core/exercice/soumission.h"
#include "core/verificateurs/verifierexpression.h"
#include "core/verificateurs/verifierinegalite.h"
#include "core/verificateurs/verifierliste.h"
#include "core/verificateurs/verifiernombre.h"
#include "core/verificateurs/verifiernomspoints.h"

#include <algorithm>
#include <array>

namespace verificateurs {

namespace {

using Tcorrecteur = Tverdict (*)(TdonneesCommunes&, int);

struct TgenreCorrecteur {
    TgenreReponse genre;
    Tcorrecteur correcteur;
};

// Les genres qui ne sont pas des nombres ; tous les autres vont à verifierNombre.
constexpr std::array correcteurs{
    TgenreCorrecteur{TgenreReponse::deuxPoints, verifierNomsPoints},
    TgenreCorrecteur{TgenreReponse::couplePoints, verifierNomsPoints},
    TgenreCorrecteur{TgenreReponse::unPoint, verifierNomsPoints},
    TgenreCorrecteur{TgenreReponse::troisPoints, verifierNomsPoints},
    TgenreCorrecteur{TgenreReponse::quadrilatere, verifierNomsPoints},
    TgenreCorrecteur{TgenreReponse::expression, verifierExpression},
    TgenreCorrecteur{TgenreReponse::factorisee, verifierExpression},
    TgenreCorrecteur{TgenreReponse::developpee, verifierExpression},
    TgenreCorrecteur{TgenreReponse::developpeeSansParentheses, verifierExpression},
    TgenreCorrecteur{TgenreReponse::expressionDenominateurs, verifierExpression},
    TgenreCorrecteur{TgenreReponse::solutions, verifierListe},
    TgenreCorrecteur{TgenreReponse::valeursAnnoncees, verifierListe},
    TgenreCorrecteur{TgenreReponse::valeursOrdonnees, verifierListe},
    TgenreCorrecteur{TgenreReponse::coordonnees, verifierListe},
    TgenreCorrecteur{TgenreReponse::inegalite, verifierInegalite},
    TgenreCorrecteur{TgenreReponse::inegaliteStricte, verifierInegalite},
    TgenreCorrecteur{TgenreReponse::encadrement, verifierEncadrement},
};

} // namespace

Tverdict verifierChamp(TdonneesCommunes& d, int a) {
    if (a < 1 || a > 3) {
        return Tverdict::illisible;
    }
    const TgenreReponse genre = d.typeReponse[a];
    const auto trouve =
        std::find_if(correcteurs.begin(), correcteurs.end(),
                     [genre](const TgenreCorrecteur& c) { return c.genre == genre; });
    return trouve != correcteurs.end() ? trouve->correcteur(d, a) : verifierNombre(d, a);
}

} // namespace verificateurs

void inscrireVerificateurs() {
    inscrireCorrecteurChamp(&verificateurs::verifierChamp);
}
