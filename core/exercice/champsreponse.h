#pragma once

// Les champs de réponse d'une question (Edit1 à Edit3) et leurs étiquettes. Les champs sont
// alignés à droite sur le pixel 421 de leur panneau, centrés verticalement sur le groupe ;
// une étiquette se pose dans la zone de l'énoncé, à gauche de son champ et à sa hauteur.

#include <string_view>

struct TdonneesCommunes;

// Montre n champs (0 à 3) de largeur w pixels, vides, modifiables et limités à 78
// caractères ; les autres sont cachés. Un nombre hors de 0..3 est ramené dans ces bornes.
void preparerChampsReponse(TdonneesCommunes& d, int n, int largeur = 121);

// Étiquette du champ k (1 à 3), de largeur c colonnes, au ras gauche du champ.
void placerEtiquetteChamp(TdonneesCommunes& d, int k, std::string_view texte, double colonnes);

void etiquetterReponse(TdonneesCommunes& d);
void etiquetterAB(TdonneesCommunes& d);
void etiquetterABC(TdonneesCommunes& d);
void etiquetterReponsesAB(TdonneesCommunes& d);
void etiquetterReponsesABC(TdonneesCommunes& d);

// Le bouton « ? » de l'aide à la saisie, centré sur le groupe de champs.
void placerBoutonAideSaisie(TdonneesCommunes& d);
