#pragma once

// L'onglet des cours : montrer une page (son image, ses zones cliquables, ses boutons, le
// bouton « S'exercer »), la navigation entre pages voisines d'un chapitre et le retour sur
// les pages quittées en suivant un lien. Tout se joue sur l'enregistrement commun et ses
// contrôles, sans fenêtre.

#include <string_view>

struct TdonneesCommunes;

// Montre la page de cours d'identifiant donné (feuille de l'arbre des cours) ; un identifiant
// sans entrée montre « Image non disponible ».
void afficherPageCours(TdonneesCommunes& d, int identifiant);

// Construit le contenu de la page : l'image, et le bouton « S'exercer » quand exercice ≠ 0.
void ajouterPageCours(TdonneesCommunes& d, std::string_view nom, int exercice, int decalageColonne,
                      int decalageLigne);

// Pose l'image de la page (colonne − 5, ligne) et allonge la zone à sa hauteur ; une image
// absente laisse le texte « La page de cours … est manquante. ».
void ajouterImagePage(TdonneesCommunes& d, std::string_view fichier, double ligne, double colonne);

// Le bouton « S'exercer » mène au nœud de l'arbre des exercices ; il se place à la ligne
// donnée (18 pixels par ligne).
void placerLienPourSexercer(TdonneesCommunes& d, int exercice, int ligne);

// Boutons de l'onglet.
void BoutonCoursPrecedentClick(TdonneesCommunes& d);
void BoutonCoursSuivantClick(TdonneesCommunes& d);
void BoutonRetourClick(TdonneesCommunes& d);
void BoutonPourSexercerClick(TdonneesCommunes& d);

// Inscrit `afficherPageCours` dans les renvois du noyau (au démarrage).
void inscrireCours();

// Couleurs du fond des pages.
inline constexpr unsigned fondPageCours = 0xFEF7DA;
inline constexpr unsigned fondPageSavoirFaire = 0xE5FFF2;
