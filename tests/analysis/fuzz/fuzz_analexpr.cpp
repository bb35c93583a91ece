// Cible libFuzzer de l'analyse des réponses : préparation, analyse, évaluation, tests de
// forme, comparaison (jusqu'à six lettres, points hors de la grille, tolérance relative),
// listes de solutions (éléments trop longs), signes typographiques et lecture des nombres
// sur un texte quelconque.
// Le premier octet choisit les lettres permises et le code de forme ; le reste est le texte.
// Les invariants vérifiés ici font planter la cible quand ils sont violés.

#include "analysis/expressions/analexpr.h"
#include "analysis/expressions/comparaison.h"
#include "analysis/expressions/ecritureexpression.h"
#include "analysis/expressions/evaluation.h"
#include "analysis/expressions/preparation.h"
#include "analysis/expressions/solutions.h"
#include "analysis/expressions/tabulationcourbe.h"
#include "analysis/nombres/lecturenombre.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>

namespace {

void verifier(bool condition) {
    if (!condition) {
        std::abort();
    }
}

void verifierArbre(const analexpr::Texpression& e) {
    verifier(e.nombreBranches >= 0 && e.nombreBranches <= analexpr::Texpression::branchesMaximum);
    if (e.erreur != TcodeErreur::aucune) {
        return;
    }
    verifier(e.nombreBranches >= 1);
    for (int i = 1; i <= e.nombreBranches; ++i) {
        const analexpr::Tbranche& b = e.branches[i];
        verifier(b.gauche == 0 || (b.gauche > i && b.gauche <= e.nombreBranches));
        verifier(b.droite == 0 || (b.droite > i && b.droite <= e.nombreBranches));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
    if (taille == 0) {
        return 0;
    }
    static const char* const listesLettres[] = {"",     "x", "xy",     "xyz",
                                                "abcd", "é", "abcdef", "xyztuvw"};
    static const TgenreReponse genresReponse[] = {
        TgenreReponse::expression, TgenreReponse::factorisee, TgenreReponse::developpee,
        TgenreReponse::developpeeSansParentheses, TgenreReponse::expressionDenominateurs};
    const std::uint8_t choix = donnees[0];
    const std::string lettres = listesLettres[choix % 8];
    const TgenreReponse genre = genresReponse[(choix / 8) % 5];
    const std::string texte(reinterpret_cast<const char*>(donnees + 1), taille - 1);

    const auto e = std::make_unique<analexpr::Texpression>();
    analexpr::analyserExpression(*e, texte, lettres);
    verifierArbre(*e);
    if (e->erreur == TcodeErreur::aucune) {
        // Réécrit puis relu, l'arbre est le même.
        const auto relu = std::make_unique<analexpr::Texpression>();
        analexpr::analyserExpression(*relu, analexpr::ecrireExpression(*e), lettres);
        verifier(relu->erreur == TcodeErreur::aucune);
        verifier(relu->nombreBranches == e->nombreBranches);
        verifier(relu->simplifiable == e->simplifiable);
        verifier(relu->developpee == e->developpee);
        verifier(relu->nombreTermes == e->nombreTermes);
        verifier(relu->nombreFacteurs == e->nombreFacteurs);
        for (int x = -3; x <= 3; ++x) {
            const double valeurs[] = {x + 0.37, 1.0 - x, 2, -x * 1.61, 0.5, -2.83, 4};
            if (analexpr::evaluerEn(*e, valeurs)) {
                verifier(std::isfinite(e->resultat) && std::isfinite(e->ampleur));
                verifier(e->ampleur >= 0);
            } else {
                verifier(std::isnan(e->resultat));
            }
        }
        // Une puissance n'a jamais une puissance pour base sans parenthèses.
        for (int i = 1; i <= e->nombreBranches; ++i) {
            const analexpr::Tbranche& b = e->branches[i];
            if (b.operateur == analexpr::Tbranche::puissance) {
                verifier(e->branches[b.gauche].operateur != analexpr::Tbranche::puissance);
            }
        }
    }

    // Comparée à elle-même, une expression dont l'évaluation échoue partout n'est jamais
    // acceptée.
    const int code =
        static_cast<int>(analexpr::comparerExpressions(texte, texte, lettres, 1e-9, genre));
    verifier(code >= 0 && code <= 19);
    if (e->erreur == TcodeErreur::aucune && e->constante && e->erreurCalcul) {
        verifier(code != 0);
    }
    analexpr::comparerExpressions(texte, "(2x+3)(5x-1)", "x", 1e-9, genre);
    analexpr::comparerExpressions("10x^2+13x-3", texte, "x", 1e-9, genre);
    analexpr::comparerExpressions(texte, "a+b-c+d", "abcd", 1e-9, genre);

    // Les signes typographiques remplacés ne laissent aucun d'eux dans le texte.
    const std::string lu = analexpr::remplacerSignesTypographiques(texte);
    verifier(lu.find("\u2212") == std::string::npos && lu.find("\u00D7") == std::string::npos);

    analexpr::TlisteSolutions liste;
    analexpr::lireListeSolutions(liste, texte, (choix & 1) != 0);
    verifier(liste.nombreSolutions >= 0 &&
             liste.nombreSolutions <= analexpr::TlisteSolutions::solutionsMaximum);
    // Aucun élément n'est jugé sur un début coupé : un élément lu tient en 40 caractères.
    for (int i = 1; i <= liste.nombreSolutions; ++i) {
        const analexpr::Tsolution& s = liste.solutions[i];
        if (s.forme != analexpr::Tsolution::illisible) {
            verifier(!s.tropLong && s.texte.size() <= 4 * analexpr::Tsolution::longueurMaximum);
        }
    }
    if (liste.etatListe == analexpr::TlisteSolutions::elementTropLong) {
        verifier(liste.solutions[liste.nombreSolutions].tropLong);
    }

    const nombres::LectureNombre nombre = nombres::lireNombre(texte);
    if (!nombre.estIllisible()) {
        verifier(std::isfinite(nombre.valeur));
    }
    if (taille < 40) {
        analexpr::tabulerCourbe(texte, 7, -2, 2);
    }
    return 0;
}
