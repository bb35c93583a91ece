#pragma once

// Unité du chapitre 1, « Calcul littéral - Identités remarquables » : les exercices des indices 0 à
// 62 de l'arbre des exercices. Chaque procédure trouve la description de l'exercice
// (exercicech01.h) et passe la main à la fonction de sa famille : cases (casesch01.h), séries à
// une réponse (seriesch01.h), questions à plusieurs champs (problemesch01.h). Un indice sans
// exercice ne pose rien et prend le jugement standard.

struct TdonneesCommunes;

namespace exo5ch01 {

// Construit l'énoncé de la question en cours.
void poserEnonce(TdonneesCommunes& d);
// Juge la réponse donnée.
void jugerReponse(TdonneesCommunes& d);
// Écrit la solution de la question terminée.
void donnerSolution(TdonneesCommunes& d);
// Met dans les champs (ou les cases) une réponse juste à la question posée, pour les parcours
// de contrôle.
void donnerReponseModele(TdonneesCommunes& d);

} // namespace exo5ch01
