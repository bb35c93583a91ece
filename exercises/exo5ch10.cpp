#include "exo5ch10.h"

#include "donneescommunes.h"

namespace exo5ch10 {

void poserEnonce(TdonneesCommunes&) {}

void jugerReponse(TdonneesCommunes&) {}

void donnerSolution(TdonneesCommunes&) {}

} // namespace exo5ch10
