#include "exercises/exo5ch14.h"

#include "core/exercice/enonce.h"
#include "core/exercice/soumission.h"

namespace exo5ch14 {

void poserEnonce(TdonneesCommunes&) {}

void jugerReponse(TdonneesCommunes& d) {
    jugerReponseStandard(d);
}

void donnerSolution(TdonneesCommunes& d) {
    ecrireSolutionPreparee(d);
}

void reprendreEnonce(TdonneesCommunes&) {}

} // namespace exo5ch14
