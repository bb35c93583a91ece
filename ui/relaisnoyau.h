#pragma once

// Relais provisoires vers les procédures du cycle de vie d'un exercice que le noyau n'offre
// pas encore (lancer un exercice, soumettre une réponse, boutons du panneau de la solution,
// tic de la minuterie, cases à cocher). Chacun fait le strict minimum pour que la fenêtre
// soit utilisable, ou rien ; la fenêtre les appelle là où elle appellera le noyau, qui les
// remplacera un à un.

class QPainter;
struct TdonneesCommunes;

namespace relais {

// Lance l'exercice d'indice absolu donné : la question est posée par l'unité de son
// chapitre, l'onglet des exercices devient la page active et le nœud est sélectionné.
void lancerExercice(TdonneesCommunes& d, int index);

// Soumet la réponse : les textes des champs, sans espaces autour, passent dans
// reponseDonnee[1..3], puis le correcteur du chapitre juge.
void validerReponse(TdonneesCommunes& d);

// Boutons du panneau de la solution et tic de la minuterie : sans effet tant que le
// noyau ne les porte pas, sauf Sommaire qui ramène au sommaire.
void boutonCorrection(TdonneesCommunes& d);
void boutonReessayer(TdonneesCommunes& d);
void boutonSolution(TdonneesCommunes& d);
void boutonSuite(TdonneesCommunes& d);
void boutonSommaire(TdonneesCommunes& d);
void ticMinuterie(TdonneesCommunes& d);

// Boutons de la page de cours et de l'imagiciel. Retour revient à la page précédente de
// l'historique ; les autres sont sans effet tant que les pages et les imagiciels n'existent
// pas.
void boutonRetour(TdonneesCommunes& d);
void boutonCoursPrecedent(TdonneesCommunes& d);
void boutonCoursSuivant(TdonneesCommunes& d);
void boutonAvancer(TdonneesCommunes& d);
void boutonReculer(TdonneesCommunes& d);

// Cases cliquables de l'énoncé : basculer sous la souris et peindre ; sans effet.
void basculerCase(TdonneesCommunes& d);
void dessinerCases(TdonneesCommunes& d, QPainter& peintre);

} // namespace relais
