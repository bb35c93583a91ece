#include "exo5ch01.h"

#include "soumission.h"

namespace exo5ch01 {

void poserEnonce(TdonneesCommunes&) {}

void jugerReponse(TdonneesCommunes& d) {
    jugerReponseStandard(d);
}

void donnerSolution(TdonneesCommunes&) {}

} // namespace exo5ch01
