#include "exercises/ch01/casesch01.h"

#include "core/donneescommunes.h"
#include "core/exercice/cases.h"
#include "core/exercice/enonce.h"
#include "exercises/ch01/exercicech01.h"
#include "exercises/commun/serie.h"

#include <algorithm>
#include <iterator>

namespace exo5ch01 {

namespace {

struct CaseExpression {
    const char* etiquette;
    double demiLargeur;
    bool juste;
    // Ce qu'est l'expression, dit quand la case est mal choisie.
    const char* explication;
};

struct QuestionCases {
    const char* consigne;
    CaseExpression cases[6];
};

constexpr QuestionCases questions[] = {
    {"qui sont écrites sous la forme d'une somme.",
     {{"3 x + 4", 3, true, "3 x + 4 est la somme de 3 x et de 4."},
      {"x (3 + x)", 3.5, false, "x (3 + x) est le produit de x par 3 + x."},
      {"x (x + 1) + 7", 5, true, "x (x + 1) + 7 est la somme de x (x + 1) et de 7."},
      {"(x + 3) (x + 5)", 5, false, "(x + 3) (x + 5) est le produit de x + 3  par  x + 5."},
      {"(3 x + 1)²", 4, false, "(3 x + 1)² est le produit de 3 x + 1  par  3 x + 1."},
      {"3(x + 2) + 5(x + 3)", 7, true,
       "3(x + 2) + 5(x + 3) est la somme de 3(x + 2) et de 5(x + 3)."}}},
    {"qui sont écrites sous la forme d'un produit.",
     {{"(x + 6)(x -6)", 5, true, "(x + 6)(x -6) est le produit de x + 6  par  x -6."},
      {"(2 x -3)²", 4, true, "(2 x -3)² est le produit de 2 x -3  par  2 x -3."},
      {"(x + 1)(x + 2) -1", 7, false,
       "(x + 1)(x + 2) -1 est la somme de (x + 1)(x + 2)  et de -1."},
      {"3(x * 2)  -5(x * 3)", 8, false,
       "3(x * 2)  -5(x * 3) est la somme de 3(x * 2) et de -5(x * 3)."},
      {"x(5 -2 x)", 4, true, "x(5 -2 x) est le produit de x par  5 -2 x."},
      {"x + 3 (x + 4)", 5, false, "x + 3 (x + 4) est la somme de x  et de 3 (x + 4)"}}},
};

constexpr int nombreCasesQuestion = 6;

} // namespace

void poserCases(TdonneesCommunes& d, const ExerciceCh01& e) {
    const QuestionCases& q = questions[rangQuestion(d, std::size(questions))];
    d.nombreQuestions = static_cast<int>(std::size(questions));
    d.titreExercice = e.titre;
    d.bareme = e.bareme;
    d.pageCoursLiee = e.pageCours;
    d.modeReponse = modeReponseCases;
    disposerCases(d, 2, 3, 600, 30);
    d.nombreCases = 9;
    encadrerConsigne(d, e.hauteurCadre, e.largeurCadre);
    ajouterLigneEnonce(d, "Parmi les expressions ci$-dessous, indiquer celles", 2);
    ajouterLigneEnonce(d, q.consigne, 3);
    for (int n = 1; n <= nombreCasesQuestion; ++n) {
        const CaseExpression& c = q.cases[n - 1];
        if (c.juste) {
            ajouterCaseJuste(d, n, c.etiquette, c.demiLargeur);
        } else {
            ajouterCase(d, n, c.etiquette, c.demiLargeur);
        }
    }
}

Tverdict jugerCases(TdonneesCommunes& d) {
    if (d.casesChoisies == d.casesJustes) {
        return Tverdict::exact;
    }
    const QuestionCases& q = questions[rangQuestion(d, std::size(questions))];
    const int dernier = std::min<int>(d.nombreCases, nombreMaxCases);
    for (int a = 1; a <= dernier; ++a) {
        const auto n = static_cast<std::size_t>(a);
        if (d.casesChoisies.test(n) != d.casesJustes.test(n)) {
            if (a <= nombreCasesQuestion) {
                ajouterLigneSolution(d, q.cases[a - 1].explication, 4.5);
            }
            break;
        }
    }
    return Tverdict::faux;
}

} // namespace exo5ch01
