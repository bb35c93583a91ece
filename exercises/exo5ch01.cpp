#include "exo5ch01.h"

#include "donneescommunes.h"

namespace exo5ch01 {

void poserEnonce(TdonneesCommunes&) {}

void jugerReponse(TdonneesCommunes&) {}

void donnerSolution(TdonneesCommunes&) {}

} // namespace exo5ch01
