#pragma once

// Lignes de l'énoncé et de la solution : ce que les unités de chapitre écrivent dans la
// zone de l'énoncé et dans celle de la solution. Lignes et colonnes sont les unités des
// zones (18 et 8 pixels, colonnes comptées depuis la marge gauche), décimales permises.
// Sans zone (enregistrement non lié), ces opérations ne font rien.

#include <string_view>

struct TdonneesCommunes;

// Texte balisé à la colonne 2 de l'énoncé, son haut à (ligne − 0,5) × 18.
void ajouterLigneEnonce(TdonneesCommunes& d, std::string_view texte, double ligne);

// Texte dans la zone de la solution, son haut à ligne × 18 : à la colonne 14, à une colonne
// donnée, ou à la colonne 58.
void ajouterLigneSolution(TdonneesCommunes& d, std::string_view texte, double ligne);
void ajouterTexteSolution(TdonneesCommunes& d, std::string_view texte, double colonne,
                          double ligne);
void ajouterLigneSolutionDroite(TdonneesCommunes& d, std::string_view texte, double ligne);

// Message sous le verdict, à la ligne ligneMessage, qui avance ensuite d'une ligne ; un
// message qui contient une fraction (« $5 ») s'écarte de 0,2 ligne du précédent.
void ajouterMessage(TdonneesCommunes& d, std::string_view texte);

// Remarque sur les données tirées au hasard, en deux lignes ou en une.
void ajouterRemarqueHasard(TdonneesCommunes& d, double ligne);
void ajouterRemarqueHasardCourte(TdonneesCommunes& d, double ligne);

// Cadre autour des lignes de consigne (hauteur en lignes, largeur en colonnes).
void encadrerConsigne(TdonneesCommunes& d, double hauteur, double largeur);

void afficherCalculatrice(TdonneesCommunes& d);

// Écrit la solution préparée texte1 à la ligne 3 ; la seconde forme ajoute texte2 à la
// ligne 5. Un texte vide n'écrit rien.
void ecrireSolutionPreparee(TdonneesCommunes& d);
void ecrireSolutionsPreparees(TdonneesCommunes& d);
