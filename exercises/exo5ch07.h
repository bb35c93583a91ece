#pragma once

// Unité du chapitre 7, « Systèmes d'équations. Résolution de problèmes » : les exercices des
// indices 275 à 311 de l'arbre des exercices. Chaque procédure choisit son bras sur numeroExercice
// ; un indice qu'aucun bras ne cite prend la conduite par défaut.

struct TdonneesCommunes;

namespace exo5ch07 {

// Construit l'énoncé de la question en cours.
void poserEnonce(TdonneesCommunes& d);
// Juge la réponse donnée.
void jugerReponse(TdonneesCommunes& d);
// Écrit la solution de la question terminée.
void donnerSolution(TdonneesCommunes& d);

} // namespace exo5ch07
