#include "exo5ch03.h"

#include "donneescommunes.h"

namespace exo5ch03 {

void poserEnonce(TdonneesCommunes&) {}

void jugerReponse(TdonneesCommunes&) {}

void donnerSolution(TdonneesCommunes&) {}

} // namespace exo5ch03
