#include "verificateurs.h"

#include "donneescommunes.h"
#include "genresreponse.h"
#include "soumission.h"
#include "verdict.h"
#include "verifierexpression.h"
#include "verifierinegalite.h"
#include "verifierliste.h"
#include "verifiernombre.h"
#include "verifiernomspoints.h"

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
