// Cible libFuzzer de l'analyse des réponses : préparation, analyse, évaluation, tests de
// forme, comparaison, listes de solutions et lecture des nombres sur un texte quelconque.
// Le premier octet choisit les lettres permises et le code de forme ; le reste est le texte.
// Les invariants vérifiés ici font planter la cible quand ils sont violés.

#include "analysis/expressions/analexpr.h"
#include "analysis/expressions/comparaison.h"
#include "analysis/expressions/ecritureexpression.h"
#include "analysis/expressions/evaluation.h"
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
    static const char* const listesLettres[] = {"", "x", "xy", "xyz", "abcd", "é"};
    static const TgenreReponse genresReponse[] = {
        TgenreReponse::expression, TgenreReponse::factorisee, TgenreReponse::developpee,
        TgenreReponse::developpeeSansParentheses, TgenreReponse::expressionDenominateurs};
    const std::uint8_t choix = donnees[0];
    const std::string lettres = listesLettres[choix % 6];
    const TgenreReponse genre = genresReponse[(choix / 6) % 5];
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
            if (analexpr::evaluerEn(*e, x, 1 - x, 2)) {
                verifier(std::isfinite(e->resultat));
            } else {
                verifier(std::isnan(e->resultat));
            }
        }
    }

    // Comparée à elle-même, une expression dont l'évaluation échoue partout n'est jamais
    // acceptée.
    const int code =
        static_cast<int>(analexpr::comparerExpressions(texte, texte, lettres, 1e-9, genre));
    verifier(code >= 0 && code <= 18);
    if (e->erreur == TcodeErreur::aucune && e->constante && e->erreurCalcul) {
        verifier(code != 0);
    }
    analexpr::comparerExpressions(texte, "(2x+3)(5x-1)", "x", 1e-9, genre);
    analexpr::comparerExpressions("10x^2+13x-3", texte, "x", 1e-9, genre);

    analexpr::TlisteSolutions liste;
    analexpr::lireListeSolutions(liste, texte, (choix & 1) != 0);
    verifier(liste.nombreSolutions >= 0 &&
             liste.nombreSolutions <= analexpr::TlisteSolutions::solutionsMaximum);

    const nombres::LectureNombre lu = nombres::lireNombre(texte);
    if (!lu.estIllisible()) {
        verifier(std::isfinite(lu.valeur));
    }
    if (taille < 40) {
        analexpr::tabulerCourbe(texte, 7, -2, 2);
    }
    return 0;
}
