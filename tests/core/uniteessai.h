#pragma once

// Unité de chapitre réservée aux tests : quelques questions qui font passer la soumission
// par tous ses chemins sans fenêtre (un, deux et trois champs, barèmes 1 à 6, série de
// plusieurs questions, réponse vide permise, cases à choix multiple et à choix unique,
// diagrammes en barres et circulaire à tracer), et
// un correcteur de champ scripté : une réponse égale à l'attendu est exacte, une réponse
// commençant par « ? » est illisible (6), par « ~ » mal écrite (9), toute autre fausse.

#include "analysis/jugement/genresreponse.h"

struct TdonneesCommunes;

namespace uniteessai {

// Indices de l'arbre des exercices (chapitre 1) que l'unité sait poser.
inline constexpr int serieUnChamp = 2;   // un champ, barème 1, série de 3 questions : 12, 13, 14
inline constexpr int bareme3 = 3;        // un champ, barème 3
inline constexpr int bareme2 = 4;        // un champ, barème 2
inline constexpr int deuxChamps = 5;     // deux champs, barème 4
inline constexpr int troisChamps = 6;    // trois champs, barème 6
inline constexpr int casesMultiples = 7; // 2 × 3 cases, cases 2 et 5 justes
inline constexpr int choixUnique = 9;    // 1 × 3 cases, case 3 juste, sans bouton Correction
inline constexpr int videPermis = 10;    // un champ, réponse vide attendue
inline constexpr int premierFaux = 11;   // deux champs, seul le premier faux est signalé
inline constexpr int barres = 12;        // diagramme en barres à tracer, attendu 3, 5, 7
inline constexpr int secteurs = 15;      // diagramme circulaire à tracer, attendu 90, 270

// Genre de réponse des cases à choix multiple pour le correcteur scripté.
inline constexpr TgenreReponse genreCases = TgenreReponse{99};

// Inscrit l'unité pour le chapitre 1 et le correcteur scripté ; nombreAppels compte les
// champs jugés par le correcteur.
void inscrire();
void desinscrire();
int nombreAppels();

} // namespace uniteessai
