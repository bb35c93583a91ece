#include "analysis/jugement/jugement.h"

#include "analysis/jugement/verifierexpression.h"
#include "analysis/jugement/verifierinegalite.h"
#include "analysis/jugement/verifierliste.h"
#include "analysis/jugement/verifiernombre.h"
#include "analysis/jugement/verifiernomspoints.h"
#include "analysis/texte/texteutf8.h"

#include <algorithm>
#include <array>

namespace jugement {

namespace {

using Tcorrecteur = TjugementChamp (*)(const TchampAJuger&);

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

std::string normaliserReponse(std::string_view tapee) {
    const std::string coupee = texteutf8::couper(tapee, longueurReponse);
    const auto debut = coupee.find_first_not_of(' ');
    if (debut == std::string::npos) {
        return {};
    }
    return coupee.substr(debut, coupee.find_last_not_of(' ') - debut + 1);
}

TjugementChamp jugerChamp(const TchampAJuger& champ) {
    const bool attenduVide = champ.attendu.empty();
    const bool donneVide = champ.reponse.empty();
    if (champ.videPermis && (attenduVide || donneVide)) {
        TjugementChamp j;
        j.verdict = attenduVide && donneVide ? Tverdict::exact : Tverdict::faux;
        return j;
    }
    const auto trouve =
        std::find_if(correcteurs.begin(), correcteurs.end(),
                     [&champ](const TgenreCorrecteur& c) { return c.genre == champ.genre; });
    return trouve != correcteurs.end() ? trouve->correcteur(champ) : verifierNombre(champ);
}

} // namespace jugement
