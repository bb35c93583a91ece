#include "exo5ch07.h"

#include "donneescommunes.h"

namespace exo5ch07 {

void poserEnonce(TdonneesCommunes&) {}

void jugerReponse(TdonneesCommunes&) {}

void donnerSolution(TdonneesCommunes&) {}

} // namespace exo5ch07
