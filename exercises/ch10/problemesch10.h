#pragma once

// Les problèmes du chapitre 10 (indices 421 à 427) : une question chacun, plusieurs
// champs ; les données sont fixes sauf celles de « Rapports » (423), tirées au hasard.

#include "exercises/ch10/exercicech10.h"

#include <span>

namespace exo5ch10 {

std::span<const Texercice> exercicesProblemes();

} // namespace exo5ch10
