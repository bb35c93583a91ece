#include "exo5ch02.h"

#include "donneescommunes.h"

namespace exo5ch02 {

void poserEnonce(TdonneesCommunes&) {}

void jugerReponse(TdonneesCommunes&) {}

void donnerSolution(TdonneesCommunes&) {}

} // namespace exo5ch02
