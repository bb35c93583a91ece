#pragma once

// Les cases cliquables des questions à cases (mode de réponse 4) : leur disposition en
// grille dans la zone de l'énoncé, leurs étiquettes, le choix à la souris et leur dessin.
// Il y a au plus 30 cases ; une grille plus grande ne dispose que les 30 premières, et un
// numéro de case ou d'étiquette hors de 1..30 est ignoré.

#include <string_view>

class Tcanevas;
struct TdonneesCommunes;

// Grille de r lignes et c colonnes, de largeur totale W et de cases de hauteur H pixels,
// ancrée avec le bas de sa dernière ligne à 260 − espacementCases pixels.
void disposerCases(TdonneesCommunes& d, int lignes, int colonnes, double largeur, double hauteur);
// La même sur toute la largeur utile de l'énoncé (680 pixels moins la marge).
void disposerCasesPleineLargeur(TdonneesCommunes& d, int lignes, int colonnes, double hauteur);

void etiquetterCase(TdonneesCommunes& d, int n, int k, std::string_view texte, double demiLargeur);
void ajouterCase(TdonneesCommunes& d, int n, std::string_view texte, double demiLargeur);
void ajouterCaseJuste(TdonneesCommunes& d, int n, std::string_view texte, double demiLargeur);

// La plus petite case active qui contient strictement le point (sourisX, sourisY) ; 0 si
// aucune.
int caseSousSouris(const TdonneesCommunes& d);

// Appui de la souris sur l'énoncé hors d'un lien : inverse le choix de la case sous le
// pointeur ; en choix unique, désélectionne les autres et, sans bouton de correction, un
// choix fait soumet la réponse.
void basculerCase(TdonneesCommunes& d);

// Peint les cases actives par-dessus la zone de l'énoncé.
void dessinerCases(const TdonneesCommunes& d, Tcanevas& canevas);
