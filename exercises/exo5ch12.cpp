#include "exercises/exo5ch12.h"

#include "core/exercice/enonce.h"
#include "core/exercice/soumission.h"

namespace exo5ch12 {

void poserEnonce(TdonneesCommunes&) {}

void jugerReponse(TdonneesCommunes& d) {
    jugerReponseStandard(d);
}

void donnerSolution(TdonneesCommunes& d) {
    ecrireSolutionPreparee(d);
}

void reprendreEnonce(TdonneesCommunes&) {}

} // namespace exo5ch12
