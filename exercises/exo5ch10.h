#pragma once

// Unité du chapitre 10, « Théorème de Thalès » : les exercices des indices 399 à 427 de l'arbre des
// exercices. Chaque procédure choisit son bras sur numeroExercice ; un indice qu'aucun bras
// ne cite prend la conduite par défaut.

struct TdonneesCommunes;

namespace exo5ch10 {

// Construit l'énoncé de la question en cours.
void poserEnonce(TdonneesCommunes& d);
// Juge la réponse donnée.
void jugerReponse(TdonneesCommunes& d);
// Écrit la solution de la question terminée.
void donnerSolution(TdonneesCommunes& d);

} // namespace exo5ch10
