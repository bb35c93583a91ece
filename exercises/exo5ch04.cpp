#include "exo5ch04.h"

#include "donneescommunes.h"

namespace exo5ch04 {

void poserEnonce(TdonneesCommunes&) {}

void jugerReponse(TdonneesCommunes&) {}

void donnerSolution(TdonneesCommunes&) {}

} // namespace exo5ch04
