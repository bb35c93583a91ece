#pragma once

// Cycle de vie d'un exercice : lancement depuis l'arbre des exercices, pose de chaque
// question de la série par l'unité du chapitre, et les petites opérations communes sur les
// zones de l'onglet des exercices.

struct TdonneesCommunes;

// Lance l'exercice d'indice donné de l'arbre des exercices ; si une série est en cours,
// demande d'abord confirmation (tout autre réponse que Oui annule). Un indice hors de
// l'arbre ne fait rien.
void lancerExercice(TdonneesCommunes& d, int index);

// Pose une question : la première d'une série (suite faux) ou la suivante (suite vrai).
void poserQuestion(TdonneesCommunes& d, bool suite);

// Vide la zone de la solution, cache et vide celle de sa figure.
void effacerSolution(TdonneesCommunes& d);

// Demande le dessin des quatre zones de l'onglet des exercices.
void redessinerZonesExercice(TdonneesCommunes& d);
