#include "exercises/ch01/exo5ch01.h"

#include "core/donneescommunes.h"
#include "core/exercice/reponsemodele.h"
#include "exercises/ch01/casesch01.h"
#include "exercises/ch01/exercicech01.h"
#include "exercises/ch01/problemesch01.h"
#include "exercises/ch01/seriesch01.h"
#include "exercises/commun/registre.h"

#include <vector>

namespace exo5ch01 {

namespace {

// La ligne n'est inscrite que pour les indices de la table : la description existe.
const ExerciceCh01& description(const TdonneesCommunes& d) {
    return *exerciceCh01(d.numeroExercice);
}

void poserCasesCh01(TdonneesCommunes& d) {
    poserCases(d, description(d));
}

void sansSolution(TdonneesCommunes&) {}

void poserSerieCh01(TdonneesCommunes& d) {
    poserSerie(d, description(d));
}

void solutionSerieCh01(TdonneesCommunes& d) {
    donnerSolutionSerie(d, description(d));
}

void poserChampsCh01(TdonneesCommunes& d) {
    poserChamps(d, description(d));
}

void solutionChampsCh01(TdonneesCommunes& d) {
    donnerSolutionChamps(d, description(d));
}

void modeleChampsCh01(TdonneesCommunes& d) {
    donnerReponseModeleParDefaut(d);
    donnerReponseModeleChamps(d, description(d));
}

Texercice ligne(const ExerciceCh01& e) {
    switch (e.famille) {
    case Famille::cases:
        return {.index = e.index,
                .poserEnonce = &poserCasesCh01,
                .jugerReponse = &jugerCases,
                .donnerSolution = &sansSolution};
    case Famille::expression:
    case Famille::calculRapide:
        return {
            .index = e.index, .poserEnonce = &poserSerieCh01, .donnerSolution = &solutionSerieCh01};
    case Famille::champs:
        break;
    }
    return {.index = e.index,
            .poserEnonce = &poserChampsCh01,
            .donnerSolution = &solutionChampsCh01,
            .donnerReponseModele = &modeleChampsCh01};
}

} // namespace

void inscrireExercices() {
    static const std::vector<Texercice> lignes = [] {
        std::vector<Texercice> v;
        for (const ExerciceCh01& e : exercicesCh01()) {
            v.push_back(ligne(e));
        }
        return v;
    }();
    ::inscrireExercices(lignes);
}

} // namespace exo5ch01
