#include "exo5ch11.h"

#include "donneescommunes.h"

namespace exo5ch11 {

void poserEnonce(TdonneesCommunes&) {}

void jugerReponse(TdonneesCommunes&) {}

void donnerSolution(TdonneesCommunes&) {}

} // namespace exo5ch11
