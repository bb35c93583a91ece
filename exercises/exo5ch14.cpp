#include "exo5ch14.h"

#include "enonce.h"
#include "soumission.h"

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
