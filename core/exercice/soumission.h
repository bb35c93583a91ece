#pragma once

// Soumission d'une réponse et ce qui la suit : lecture des champs, refus d'une réponse
// incomplète, jugement par l'unité du chapitre, verdict, points et essais, nouvel essai ou
// solution, fin de la question avec la solution et le score, délai d'un battement avant
// les boutons Suite et Sommaire.

#include "analysis/jugement/verdict.h"

#include <string_view>

struct TdonneesCommunes;

// Juge le champ k (1 à 3) : le champ est décrit depuis l'enregistrement (genre, attendus,
// lettres, tolérance, réponse donnée) et jugé par jugement::jugerChamp ; la soumission montre
// ensuite le refus (image « incorrecte » et bip), écrit les lignes du jugement, garde le
// nombre lu dans valeurDonnee[k] et le verdict dans verdictsChamps[k]. Hors de 1..3 : 6.
Tverdict jugerChamp(TdonneesCommunes& d, int k);

// Les règles de points d'une question, selon l'essai compté où la réponse est exacte.
enum class Tnotation {
    premierEssai,       // le barème au premier essai, rien ensuite : (2 − essai) × barème
    deuxPointsParEssai, // barème − 2 × (essai − 1)
    pointParEssai,      // barème − (essai − 1)
    essaiUnique,        // une seule réponse jugée : le barème si elle est exacte, 0 sinon
};

// La fin d'un jugement, seule à écrire codeVerdict, questionTerminee et points :
// codeVerdict := verdict ; exact, la question est terminée avec les points de la notation,
// bip et image « exacte » ; faux, son et image « fausse », et avec essaiUnique la question
// est terminée sans point ; illisible ou mal écrit, l'essai ne compte pas (le correcteur a
// déjà montré son refus).
void conclureQuestion(TdonneesCommunes& d, Tverdict verdict, Tnotation notation);

// Correcteur propre à un exercice : juge la réponse, écrit ses messages et rend le verdict
// de la question, que l'unité conclut par conclureQuestion.
using TcorrecteurQuestion = Tverdict (*)(TdonneesCommunes&);

// Le point d'entrée unique de la soumission (Entrée dans un champ, bouton Correction,
// bouton Solution, choix d'une case en choix unique).
void validerReponse(TdonneesCommunes& d);

// Jugement standard : trois champs, deux champs, choix unique, diagramme à tracer (non
// figé) dans la figure de l'énoncé, ou un champ.
void jugerReponseStandard(TdonneesCommunes& d);
void verifierUneReponse(TdonneesCommunes& d);
void verifierDeuxReponses(TdonneesCommunes& d);
void verifierTroisReponses(TdonneesCommunes& d);
void verifierChoixUnique(TdonneesCommunes& d);
// Diagramme de la figure de l'énoncé : compare ses valeurs, catégorie par catégorie, aux
// valeurs attendues lues par lireValeursAttendues ; exact, le diagramme est figé.
void verifierFigure(TdonneesCommunes& d);

// Verrouille l'énoncé et fait écrire la solution par l'unité du chapitre.
void afficherSolution(TdonneesCommunes& d);

// Fin d'une question terminée : solution, points, ligne de score, bouton Suite ou Sommaire.
void terminerQuestion(TdonneesCommunes& d);

// Nouvel essai : les champs se rouvrent, le focus va au champ à reprendre.
void reessayer(TdonneesCommunes& d);

// Gestionnaires des boutons, de la minuterie et des touches des champs. Le bouton
// Correction soumet (validerReponse), le bouton Réessayer rouvre la question (reessayer).
void BoutonCorrectionClick(TdonneesCommunes& d);
void BoutonReessayerClick(TdonneesCommunes& d);
void BoutonSolutionClick(TdonneesCommunes& d);
void BoutonSuiteClick(TdonneesCommunes& d);
void BoutonSommaireClick(TdonneesCommunes& d);
void TimerTimer(TdonneesCommunes& d);

inline constexpr int toucheEntree = 13;
inline constexpr int toucheHaut = 38;
inline constexpr int toucheBas = 40;
// Touche virtuelle reçue par le champ k (1 à 3) : Entrée soumet, les flèches passent d'un
// champ visible à l'autre.
void EditKeyDown(TdonneesCommunes& d, int k, int touche);

// Lit une liste de nombres séparés par « \ » dans les entiers 1, 2, … de la zone de la
// figure de l'énoncé, chacun arrondi à l'entier le plus proche (valeurs attendues d'un
// diagramme). Les nombres au-delà de la table sont ignorés.
void lireValeursAttendues(TdonneesCommunes& d, std::string_view texte);
