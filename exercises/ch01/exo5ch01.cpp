#include "exercises/ch01/exo5ch01.h"

#include "core/donneescommunes.h"
#include "core/exercice/reponsemodele.h"
#include "core/exercice/soumission.h"
#include "exercises/ch01/casesch01.h"
#include "exercises/ch01/exercicech01.h"
#include "exercises/ch01/problemesch01.h"
#include "exercises/ch01/seriesch01.h"

namespace exo5ch01 {

void poserEnonce(TdonneesCommunes& d) {
    const ExerciceCh01* e = exerciceCh01(d.numeroExercice);
    if (e == nullptr) {
        return;
    }
    switch (e->famille) {
    case Famille::cases:
        poserCases(d, *e);
        break;
    case Famille::expression:
    case Famille::calculRapide:
        poserSerie(d, *e);
        break;
    case Famille::champs:
        poserChamps(d, *e);
        break;
    }
}

void jugerReponse(TdonneesCommunes& d) {
    const ExerciceCh01* e = exerciceCh01(d.numeroExercice);
    if (e != nullptr && e->famille == Famille::cases) {
        conclureQuestion(d, jugerCases(d), Tnotation::pointParEssai);
    } else {
        jugerReponseStandard(d);
    }
}

void donnerSolution(TdonneesCommunes& d) {
    const ExerciceCh01* e = exerciceCh01(d.numeroExercice);
    if (e == nullptr) {
        return;
    }
    switch (e->famille) {
    case Famille::cases:
        break;
    case Famille::expression:
    case Famille::calculRapide:
        donnerSolutionSerie(d, *e);
        break;
    case Famille::champs:
        donnerSolutionChamps(d, *e);
        break;
    }
}

void donnerReponseModele(TdonneesCommunes& d) {
    donnerReponseModeleParDefaut(d);
    const ExerciceCh01* e = exerciceCh01(d.numeroExercice);
    if (e != nullptr && e->famille == Famille::champs) {
        donnerReponseModeleChamps(d, *e);
    }
}

} // namespace exo5ch01
