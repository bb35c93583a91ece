#pragma once

// Les exercices de rapports du chapitre 10 (indices 401 à 405) : équations à deux ou trois
// rapports égaux, rapports entre trois points alignés, tableau de proportionnalité.

#include "exercises/ch10/exercicech10.h"

#include <span>

namespace exo5ch10 {

std::span<const Texercice> exercicesRapports();

} // namespace exo5ch10
