#include "exo5ch09.h"

#include "donneescommunes.h"

namespace exo5ch09 {

void poserEnonce(TdonneesCommunes&) {}

void jugerReponse(TdonneesCommunes&) {}

void donnerSolution(TdonneesCommunes&) {}

} // namespace exo5ch09
