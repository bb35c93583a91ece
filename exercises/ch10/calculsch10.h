#pragma once

// Les exercices d'application du théorème de Thalès et de sa réciproque (indices 407 à 411,
// 414 et 415) : rapports égaux à écrire, longueurs à calculer, parallélisme à décider.

#include "exercises/ch10/exercicech10.h"

#include <span>

namespace exo5ch10 {

std::span<const Texercice> exercicesCalculs();

} // namespace exo5ch10
