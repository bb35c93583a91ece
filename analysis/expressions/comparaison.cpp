#include "analysis/expressions/comparaison.h"

#include "analysis/expressions/analexpr.h"
#include "analysis/expressions/erreuranalyse.h"
#include "analysis/expressions/evaluation.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <limits>
#include <memory>
#include <span>

namespace analexpr {

namespace {

// Valeurs hors de la grille entière : un terme nul en tous les entiers d'essai
// (« x(x²-1)(x²-4)… ») ne passe pas inaperçu. Au point j, la lettre k (0, 1, …) prend
// horsGrille[(j + 5k) % 16] : deux lettres n'ont jamais la même valeur au même point.
constexpr std::array<double, 16> horsGrille{0.37,  1.61, -2.83, 2.29, -0.71, 3.47, -1.93, 4.13,
                                            -3.59, 0.83, -4.41, 2.67, -1.19, 3.91, -2.47, 1.07};
constexpr int pointsHorsGrille = 3;
// Au-delà de deux lettres, points entiers de -4 à 4 tirés d'une suite fixe.
constexpr int pointsTires = 48;
// Marge sur la borne d'arrondi du premier ordre (elle compte une erreur par opération).
constexpr double arrondisToleres = 16;

// Comparaison des valeurs point par point. Un point où les deux évaluations échouent est
// sauté ; un point où une seule échoue est une différence ; sans aucun point comparé, les
// valeurs ne sont pas reconnues égales. Avec des lettres, la tolérance est relative à la
// valeur attendue : |élève - attendue| <= tolérance × max(1, |attendue|).
class EssaiValeurs {
public:
    EssaiValeurs(Texpression& eleve, Texpression& prof, double tolerance)
        : eleve_(eleve), prof_(prof), tolerance_(tolerance) {}

    // Faux dès que les valeurs diffèrent en ce point.
    bool concordent(std::span<const double> valeurs) {
        const bool a = evaluerEn(eleve_, valeurs);
        const bool b = evaluerEn(prof_, valeurs);
        if (!a && !b) {
            return true;
        }
        ++compares_;
        if (!a || !b) {
            return false;
        }
        // Un écart à la mesure des arrondis possibles des deux calculs (une valeur proche
        // de zéro obtenue par la différence de grands termes) ne prouve aucune différence.
        const double arrondis = arrondisToleres * std::numeric_limits<double>::epsilon() *
                                (eleve_.ampleur + prof_.ampleur);
        return !valeursDifferent(eleve_.resultat, prof_.resultat,
                                 tolerance_ * std::max(1.0, std::abs(prof_.resultat)) + arrondis);
    }

    bool unPointCompare() const { return compares_ > 0; }

private:
    Texpression& eleve_;
    Texpression& prof_;
    double tolerance_;
    int compares_ = 0;
};

bool memesValeurs(Texpression& eleve, Texpression& prof, double tolerance) {
    const int lettres = eleve.lettresUtiles();
    if (lettres == 0) {
        // Une constante est un nombre : la tolérance reste absolue.
        evaluerExpression(eleve);
        evaluerExpression(prof);
        return !eleve.erreurCalcul && !prof.erreurCalcul &&
               !valeursDifferent(eleve.resultat, prof.resultat, tolerance);
    }
    EssaiValeurs essai(eleve, prof, tolerance);
    std::array<double, Texpression::lettresMaximum> v{};
    const std::span<const double> point(v.data(), static_cast<std::size_t>(lettres));
    if (lettres == 1) {
        for (int x = -5; x <= 5; ++x) {
            v[0] = x;
            if (!essai.concordent(point)) {
                return false;
            }
        }
    } else if (lettres == 2) {
        for (int x = -4; x <= 4; ++x) {
            for (int y = -4; y <= 4; ++y) {
                v[0] = x;
                v[1] = y;
                if (!essai.concordent(point)) {
                    return false;
                }
            }
        }
    } else {
        std::uint64_t suite = 0x9E3779B97F4A7C15u;
        for (int j = 0; j < pointsTires; ++j) {
            for (int k = 0; k < lettres; ++k) {
                suite = suite * 6364136223846793005u + 1442695040888963407u;
                v[static_cast<std::size_t>(k)] = static_cast<double>((suite >> 33) % 9) - 4;
            }
            if (!essai.concordent(point)) {
                return false;
            }
        }
    }
    for (int j = 0; j < pointsHorsGrille; ++j) {
        for (int k = 0; k < lettres; ++k) {
            v[static_cast<std::size_t>(k)] =
                horsGrille[static_cast<std::size_t>(j + 5 * k) % horsGrille.size()];
        }
        if (!essai.concordent(point)) {
            return false;
        }
    }
    return essai.unPointCompare();
}

} // namespace

TresultatComparaison comparerExpressions(std::string_view reponse, std::string_view attendue,
                                         std::string_view lettres, double tolerance,
                                         TgenreReponse genre) {
    using R = TresultatComparaison;
    const auto eleve = std::make_unique<Texpression>();
    analyserExpression(*eleve, reponse, lettres);
    if (eleve->erreur != TcodeErreur::aucune) {
        return erreurAnalyse(eleve->erreur).codeComparaison;
    }
    const auto prof = std::make_unique<Texpression>();
    analyserExpression(*prof, attendue, lettres);
    if (prof->erreur != TcodeErreur::aucune) {
        return R::attendueIncorrecte;
    }
    // Les genres au-delà de l'écriture développée sans parenthèses permettent des lettres
    // aux dénominateurs.
    const auto code = static_cast<int>(genre);
    if (code <= static_cast<int>(TgenreReponse::developpeeSansParentheses) && !eleve->polynome) {
        return R::lettreAuDenominateur;
    }
    if (!memesValeurs(*eleve, *prof, tolerance)) {
        return R::valeurDifferente;
    }
    const bool developpeeReduite =
        genre == TgenreReponse::developpee || genre == TgenreReponse::developpeeSansParentheses;
    if (genre == TgenreReponse::developpeeSansParentheses &&
        reponse.find('(') != std::string_view::npos) {
        return R::parenthesesInterdites;
    }
    if (developpeeReduite && !eleve->developpee) {
        return R::nonDeveloppee;
    }
    if (developpeeReduite && eleve->nombreTermes > prof->nombreTermes) {
        return R::nonReduite;
    }
    if (genre == TgenreReponse::factorisee) {
        if (eleve->nombreFacteurs < 2) {
            return R::nonFactorisee;
        }
        if (eleve->nombreFacteurs < prof->nombreFacteurs) {
            return R::pasAssezFactorisee;
        }
        if (eleve->sommeReductible) {
            return R::facteurReductible;
        }
    }
    if (!prof->decimalOuFraction && eleve->decimalOuFraction) {
        eleve->simplifiable = true;
    }
    if (eleve->simplifiable) {
        return R::simplifiable;
    }
    return R::acceptee;
}

} // namespace analexpr
