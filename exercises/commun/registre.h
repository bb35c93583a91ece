#pragma once

// Le registre des exercices, par indice dans l'arbre des exercices : une ligne par exercice
// dit comment poser sa question, la juger, écrire sa solution, restaurer l'énoncé quand
// l'élève réessaie (seulement les exercices qui en ont besoin) et, pour les parcours de
// contrôle, donner une réponse juste ou fausse. Les chapitres y inscrivent leurs lignes ;
// les quatorze codes de chapitre du noyau mènent tous au même répartiteur, qui cherche la
// ligne de l'exercice en cours. Un indice sans ligne : pas d'énoncé, le jugement standard,
// la solution préparée, pas de reprise.

#include "core/exercice/repartition.h"
#include "core/exercice/soumission.h"

#include <span>

struct Texercice {
    int index = 0;
    ProcedureChapitre poserEnonce = nullptr;
    // Nul : le jugement standard ; sinon le correcteur de l'exercice, dont le verdict est
    // conclu avec un point par essai.
    TcorrecteurQuestion jugerReponse = nullptr;
    // Nul : la solution préparée (texte1 à la ligne 3).
    ProcedureChapitre donnerSolution = nullptr;
    // La reprise de l'énoncé quand l'élève réessaie ; nulle pour la plupart des exercices.
    ProcedureChapitre reprendreEnonce = nullptr;
    // Nulles : la réponse modèle (ou fausse) se déduit des attendus de la question.
    ProcedureChapitre donnerReponseModele = nullptr;
    ProcedureChapitre donnerReponseFausse = nullptr;
};

// Ajoute des lignes au registre (la table doit vivre tout le programme) ; une ligne d'un
// indice déjà inscrit remplace la précédente.
void inscrireExercices(std::span<const Texercice> lignes);

// La ligne de l'exercice d'indice donné, nulle s'il n'en a pas.
const Texercice* exerciceInscrit(int index);

// Vide le registre.
void effacerExercices();

// Les procédures du répartiteur, à inscrire pour chaque code de chapitre.
TuniteChapitre uniteDuRegistre();
