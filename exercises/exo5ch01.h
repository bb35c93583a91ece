#pragma once

// Unité du chapitre 1, « Calcul littéral - Identités remarquables » : les exercices des indices 0 à
// 62 de l'arbre des exercices. Chaque procédure choisit son bras sur numeroExercice ; un indice
// qu'aucun bras ne cite prend la conduite par défaut.

struct TdonneesCommunes;

namespace exo5ch01 {

// Construit l'énoncé de la question en cours.
void poserEnonce(TdonneesCommunes& d);
// Juge la réponse donnée.
void jugerReponse(TdonneesCommunes& d);
// Écrit la solution de la question terminée.
void donnerSolution(TdonneesCommunes& d);

} // namespace exo5ch01
