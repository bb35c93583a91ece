#pragma once

// Les exercices du chapitre 10 où l'élève répond en déplaçant des points de la figure
// (indices 412, 417, 418 et 419) : chacun a son correcteur, qui lit la figure, et ses
// réponses modèle et fausse, qui mettent la figure dans un état juste ou faux.

#include "exercises/ch10/exercicech10.h"

#include <span>

namespace exo5ch10 {

std::span<const Texercice> exercicesPlacements();

} // namespace exo5ch10
