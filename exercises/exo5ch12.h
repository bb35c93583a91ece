#pragma once

// Unité du chapitre 12, « Vecteurs et translations » : les exercices des indices 471 à 519 de
// l'arbre des exercices. Chaque procédure choisit son bras sur numeroExercice ; un indice qu'aucun
// bras ne cite prend la conduite par défaut.

struct TdonneesCommunes;

namespace exo5ch12 {

// Construit l'énoncé de la question en cours.
void poserEnonce(TdonneesCommunes& d);
// Juge la réponse donnée.
void jugerReponse(TdonneesCommunes& d);
// Écrit la solution de la question terminée.
void donnerSolution(TdonneesCommunes& d);
// Restaure la figure de l'énoncé quand l'élève réessaie.
void reprendreEnonce(TdonneesCommunes& d);

} // namespace exo5ch12
