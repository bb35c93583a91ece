#pragma once

// Suivi des liens : le seul répartiteur sur les identifiants de contenu. Un lien d'un texte
// balisé, une zone cliquable d'une page de cours ou un bouton de navigation place sa cible
// dans cibleLien, puis suivreLien montre le contenu qu'elle désigne.

struct TdonneesCommunes;

// Agit sur cibleLien : entrée d'information (≥ 1990), imagiciel (1500 à 1989), page de
// cours (1002 à 1499), sinon nœud de l'arbre des exercices, qui est sélectionné (et déplié
// s'il a des enfants) dans le sommaire — un lien ne lance jamais un exercice. 0 ne désigne
// rien.
void suivreLien(TdonneesCommunes& d);

// Passe à l'onglet des cours si la page est déjà affichée, sinon la construit.
void montrerPageCours(TdonneesCommunes& d, int identifiant);

// Passe à l'onglet des imagiciels si l'imagiciel est déjà ouvert, sinon l'ouvre.
void montrerImagiciel(TdonneesCommunes& d, int identifiant);
