#include "exercises/ch10/exo5ch10.h"

#include "core/donneescommunes.h"
#include "core/exercice/enonce.h"
#include "core/exercice/reponsemodele.h"
#include "core/exercice/soumission.h"
#include "exercises/ch10/calculsch10.h"
#include "exercises/ch10/exercicech10.h"
#include "exercises/ch10/placementsch10.h"
#include "exercises/ch10/problemesch10.h"
#include "exercises/ch10/rapportsch10.h"

#include <span>

namespace exo5ch10 {

namespace {

const TexerciceCh10* exerciceCourant(const TdonneesCommunes& d) {
    for (const std::span<const TexerciceCh10> famille :
         {exercicesRapports(), exercicesCalculs(), exercicesPlacements(), exercicesProblemes()}) {
        for (const TexerciceCh10& e : famille) {
            if (e.index == d.numeroExercice) {
                return &e;
            }
        }
    }
    return nullptr;
}

} // namespace

void poserEnonce(TdonneesCommunes& d) {
    if (const TexerciceCh10* e = exerciceCourant(d); e != nullptr && e->poserEnonce != nullptr) {
        e->poserEnonce(d);
    }
}

void jugerReponse(TdonneesCommunes& d) {
    if (const TexerciceCh10* e = exerciceCourant(d); e != nullptr && e->jugerReponse != nullptr) {
        conclureQuestion(d, e->jugerReponse(d), Tnotation::pointParEssai);
    } else {
        jugerReponseStandard(d);
    }
}

void donnerSolution(TdonneesCommunes& d) {
    if (const TexerciceCh10* e = exerciceCourant(d); e != nullptr && e->donnerSolution != nullptr) {
        e->donnerSolution(d);
    } else {
        ecrireSolutionPreparee(d);
    }
}

void donnerReponseModele(TdonneesCommunes& d) {
    if (const TexerciceCh10* e = exerciceCourant(d);
        e != nullptr && e->donnerReponseModele != nullptr) {
        e->donnerReponseModele(d);
    } else {
        donnerReponseModeleParDefaut(d);
    }
}

void donnerReponseFausse(TdonneesCommunes& d) {
    if (const TexerciceCh10* e = exerciceCourant(d);
        e != nullptr && e->donnerReponseFausse != nullptr) {
        e->donnerReponseFausse(d);
    } else {
        donnerReponseFausseParDefaut(d);
    }
}

} // namespace exo5ch10
