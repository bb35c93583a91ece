#include "core/verificateurs/verificateurs.h"

#include "core/donneescommunes.h"
#include "core/exercice/soumission.h"
#include "core/exercice/verdict.h"
#include "core/verificateurs/genresreponse.h"
#include "core/verificateurs/verifierexpression.h"
#include "core/verificateurs/verifierinegalite.h"
#include "core/verificateurs/verifierliste.h"
#include "core/verificateurs/verifiernombre.h"
#include "core/verificateurs/verifiernomspoints.h"

#include <algorithm>
#include <array>

namespace verificateurs {

namespace {

using Tcorrecteur = int (*)(TdonneesCommunes&, int);

struct TgenreCorrecteur {
    int genre;
    Tcorrecteur correcteur;
};

// Les genres qui ne sont pas des nombres ; tous les autres vont à verifierNombre.
constexpr std::array correcteurs{
    TgenreCorrecteur{genreDeuxPoints, verifierNomsPoints},
    TgenreCorrecteur{genreCouplePoints, verifierNomsPoints},
    TgenreCorrecteur{genreUnPoint, verifierNomsPoints},
    TgenreCorrecteur{genreTroisPoints, verifierNomsPoints},
    TgenreCorrecteur{genreQuadrilatere, verifierNomsPoints},
    TgenreCorrecteur{genreExpression, verifierExpression},
    TgenreCorrecteur{genreFactorisee, verifierExpression},
    TgenreCorrecteur{genreDeveloppee, verifierExpression},
    TgenreCorrecteur{genreDeveloppeeSansParentheses, verifierExpression},
    TgenreCorrecteur{genreExpressionDenominateurs, verifierExpression},
    TgenreCorrecteur{genreSolutions, verifierListe},
    TgenreCorrecteur{genreValeursAnnoncees, verifierListe},
    TgenreCorrecteur{genreValeursOrdonnees, verifierListe},
    TgenreCorrecteur{genreCoordonnees, verifierListe},
    TgenreCorrecteur{genreInegalite, verifierInegalite},
    TgenreCorrecteur{genreInegaliteStricte, verifierInegalite},
    TgenreCorrecteur{genreEncadrement, verifierEncadrement},
};

} // namespace

int verifierChamp(TdonneesCommunes& d, int a) {
    if (a < 1 || a > 3) {
        return verdict::illisible;
    }
    const int genre = d.typeReponse[a];
    const auto trouve =
        std::find_if(correcteurs.begin(), correcteurs.end(),
                     [genre](const TgenreCorrecteur& c) { return c.genre == genre; });
    return trouve != correcteurs.end() ? trouve->correcteur(d, a) : verifierNombre(d, a);
}

} // namespace verificateurs

void inscrireVerificateurs() {
    inscrireCorrecteurChamp(&verificateurs::verifierChamp);
}
