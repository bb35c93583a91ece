#include "exercises/exo5ch05.h"

#include "core/exercice/enonce.h"
#include "core/exercice/soumission.h"

namespace exo5ch05 {

void poserEnonce(TdonneesCommunes&) {}

void jugerReponse(TdonneesCommunes& d) {
    jugerReponseStandard(d);
}

void donnerSolution(TdonneesCommunes& d) {
    ecrireSolutionPreparee(d);
}

} // namespace exo5ch05
