#include "exo5ch14.h"

#include "donneescommunes.h"

namespace exo5ch14 {

void poserEnonce(TdonneesCommunes&) {}

void jugerReponse(TdonneesCommunes&) {}

void donnerSolution(TdonneesCommunes&) {}

void reprendreEnonce(TdonneesCommunes&) {}

} // namespace exo5ch14
