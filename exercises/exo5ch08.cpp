#include "exo5ch08.h"

#include "donneescommunes.h"

namespace exo5ch08 {

void poserEnonce(TdonneesCommunes&) {}

void jugerReponse(TdonneesCommunes&) {}

void donnerSolution(TdonneesCommunes&) {}

} // namespace exo5ch08
