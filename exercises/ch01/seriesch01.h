#pragma once

// Les séries à une réponse du chapitre 1 : réduire, développer ou factoriser une expression
// (genres 17 et 16), et les « Calcul rapide » (genre 1). Une seule pose et une seule solution
// pour toutes, menées par la description de l'exercice et la table de ses questions.

struct TdonneesCommunes;

namespace exo5ch01 {

struct ExerciceCh01;

void poserSerie(TdonneesCommunes& d, const ExerciceCh01& e);
void donnerSolutionSerie(TdonneesCommunes& d, const ExerciceCh01& e);

} // namespace exo5ch01
