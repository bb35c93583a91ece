#pragma once

// Unité de chapitre réservée aux tests : quelques questions qui font passer la soumission
// par tous ses chemins sans fenêtre (un, deux et trois champs, barèmes 1 à 6, série de
// plusieurs questions, réponse vide permise, cases à choix multiple et à choix unique,
// diagrammes en barres et circulaire à tracer). Les champs attendent des nombres, jugés par
// le vrai jugement : « ? » est illisible (6), « 24/2 » pour 12 mal écrit (9).

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

// Inscrit l'unité pour le chapitre 1.
void inscrire();
void desinscrire();
// Nombre de champs jugés à la dernière soumission.
int champsJuges(const TdonneesCommunes& d);

} // namespace uniteessai
