#include "exo5ch05.h"

#include "donneescommunes.h"

namespace exo5ch05 {

void poserEnonce(TdonneesCommunes&) {}

void jugerReponse(TdonneesCommunes&) {}

void donnerSolution(TdonneesCommunes&) {}

} // namespace exo5ch05
