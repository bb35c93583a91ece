#include "exercises/ch01/seriesch01.h"

#include "core/donneescommunes.h"
#include "core/exercice/enonce.h"
#include "exercises/ch01/exercicech01.h"
#include "exercises/ch01/questionsch01.h"

#include <span>
#include <string>

namespace exo5ch01 {

namespace {

// Ligne de l'expression : sous la consigne, plus bas quand la consigne a deux lignes.
double ligneExpression(const ExerciceCh01& e) {
    return e.suiteConsigne != nullptr ? 4.7 : 3.5;
}

void poserExpression(TdonneesCommunes& d, const ExerciceCh01& e,
                     std::span<const QuestionExpression> questions) {
    const QuestionExpression& q = questions[rangQuestion(d, questions.size())];
    ajouterLigneEnonce(d, e.consigne, 2);
    if (e.suiteConsigne != nullptr) {
        ajouterLigneEnonce(d, e.suiteConsigne, e.ligneSuite);
    }
    ajouterLigneEnonce(d, std::string("A = ") + q.expression, ligneExpression(e));
    d.reponseAttendue[1] = q.attendue;
    d.lettresPermises[1] = q.lettres;
}

void poserCalculRapide(TdonneesCommunes& d, const ExerciceCh01& e,
                       std::span<const QuestionNumerique> questions) {
    const QuestionNumerique& q = questions[rangQuestion(d, questions.size())];
    ajouterLigneEnonce(d, e.consigne, 2);
    ajouterLigneEnonce(d, std::string(e.suiteConsigne) + q.enonce, e.ligneSuite);
    d.valeurAttendue[1] = q.valeur;
}

} // namespace

void poserSerie(TdonneesCommunes& d, const ExerciceCh01& e) {
    const auto expressions = questionsExpression(e.index);
    const auto calculs = questionsCalculRapide(e.index);
    const int n =
        static_cast<int>(e.famille == Famille::calculRapide ? calculs.size() : expressions.size());
    if (n == 0) {
        return;
    }
    preparerSaisie(d, e, n, 1);
    d.typeReponse[1] = e.typeReponse;
    if (e.famille == Famille::calculRapide) {
        poserCalculRapide(d, e, calculs);
    } else {
        poserExpression(d, e, expressions);
    }
}

void donnerSolutionSerie(TdonneesCommunes& d, const ExerciceCh01& e) {
    if (e.famille == Famille::calculRapide) {
        const auto calculs = questionsCalculRapide(e.index);
        if (!calculs.empty()) {
            ecrireLignesSolution(d, calculs[rangQuestion(d, calculs.size())].solution);
        }
        return;
    }
    const auto expressions = questionsExpression(e.index);
    if (!expressions.empty()) {
        ecrireLignesSolution(d, expressions[rangQuestion(d, expressions.size())].solution);
    }
}

} // namespace exo5ch01
