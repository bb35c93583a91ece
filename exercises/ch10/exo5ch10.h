#pragma once

// Unité du chapitre 10, « Théorème de Thalès » : les exercices des indices 399 à 427 de
// l'arbre des exercices, lignes du registre commun tenues par les familles (rapports,
// calculs, placements, problèmes).

namespace exo5ch10 {

// Inscrit les lignes des exercices du chapitre dans le registre.
void inscrireExercices();

} // namespace exo5ch10
