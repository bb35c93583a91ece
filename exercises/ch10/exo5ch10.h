#pragma once

// Unité du chapitre 10, « Théorème de Thalès » : les exercices des indices 399 à 427 de
// l'arbre des exercices. Chaque procédure cherche l'exercice en cours dans les tables des
// familles (rapports, calculs, placements, problèmes) ; un indice qu'aucune ne cite prend
// la conduite par défaut (pas d'énoncé, jugement standard, solution préparée).

struct TdonneesCommunes;

namespace exo5ch10 {

// Construit l'énoncé de la question en cours.
void poserEnonce(TdonneesCommunes& d);
// Juge la réponse donnée.
void jugerReponse(TdonneesCommunes& d);
// Écrit la solution de la question terminée.
void donnerSolution(TdonneesCommunes& d);
// Met dans l'état une réponse juste, ou fausse, à la question posée : les exercices à figure
// placent leurs points, les autres se répondent à partir de leurs attendus.
void donnerReponseModele(TdonneesCommunes& d);
void donnerReponseFausse(TdonneesCommunes& d);

} // namespace exo5ch10
