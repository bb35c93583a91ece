#include "exo5ch12.h"

#include "donneescommunes.h"

namespace exo5ch12 {

void poserEnonce(TdonneesCommunes&) {}

void jugerReponse(TdonneesCommunes&) {}

void donnerSolution(TdonneesCommunes&) {}

void reprendreEnonce(TdonneesCommunes&) {}

} // namespace exo5ch12
