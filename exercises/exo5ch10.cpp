#include "exo5ch10.h"

#include "enonce.h"
#include "soumission.h"

namespace exo5ch10 {

void poserEnonce(TdonneesCommunes&) {}

void jugerReponse(TdonneesCommunes& d) {
    jugerReponseStandard(d);
}

void donnerSolution(TdonneesCommunes& d) {
    ecrireSolutionPreparee(d);
}

} // namespace exo5ch10
