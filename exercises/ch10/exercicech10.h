#pragma once

// Un exercice du chapitre 10 tel que l'unité le répartit : son indice dans l'arbre des
// exercices et ses procédures. Chaque famille d'exercices (équations de rapports, calculs,
// placements, problèmes) rend la table de ses exercices ; l'unité cherche l'indice en cours
// dans ces tables au lieu d'aligner des branches.

#include "core/exercice/repartition.h"
#include "core/exercice/soumission.h"

namespace exo5ch10 {

struct TexerciceCh10 {
    int index = 0;
    ProcedureChapitre poserEnonce = nullptr;
    // Nul : le jugement standard ; sinon le correcteur de l'exercice, dont le verdict est
    // conclu avec un point par essai.
    TcorrecteurQuestion jugerReponse = nullptr;
    ProcedureChapitre donnerSolution = nullptr;
    // Nulles : la réponse modèle (ou fausse) se déduit des attendus de la question.
    ProcedureChapitre donnerReponseModele = nullptr;
    ProcedureChapitre donnerReponseFausse = nullptr;
};

} // namespace exo5ch10
