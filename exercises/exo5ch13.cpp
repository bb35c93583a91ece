#include "exo5ch13.h"

#include "donneescommunes.h"

namespace exo5ch13 {

void poserEnonce(TdonneesCommunes&) {}

void jugerReponse(TdonneesCommunes&) {}

void donnerSolution(TdonneesCommunes&) {}

} // namespace exo5ch13
