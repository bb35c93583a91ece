#include "exercises/exo5ch02.h"

#include "core/exercice/soumission.h"

namespace exo5ch02 {

void poserEnonce(TdonneesCommunes&) {}

void jugerReponse(TdonneesCommunes& d) {
    jugerReponseStandard(d);
}

void donnerSolution(TdonneesCommunes&) {}

} // namespace exo5ch02
