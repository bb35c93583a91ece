#include "exo5ch06.h"

#include "donneescommunes.h"

namespace exo5ch06 {

void poserEnonce(TdonneesCommunes&) {}

void jugerReponse(TdonneesCommunes&) {}

void donnerSolution(TdonneesCommunes&) {}

} // namespace exo5ch06
