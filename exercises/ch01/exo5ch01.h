#pragma once

// Unité du chapitre 1, « Calcul littéral - Identités remarquables » : les exercices des indices
// 0 à 62 de l'arbre des exercices. Chaque exercice décrit dans la table du chapitre
// (exercicech01.h) devient une ligne du registre commun, menée par les procédures de sa
// famille : cases (casesch01.h), séries à une réponse (seriesch01.h), questions à plusieurs
// champs (problemesch01.h).

namespace exo5ch01 {

// Inscrit les lignes des exercices du chapitre dans le registre.
void inscrireExercices();

} // namespace exo5ch01
