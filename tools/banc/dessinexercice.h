#pragma once

// Le dessin sans fenêtre de l'onglet des exercices pour « calvane-banc exercice --png » :
// la zone de l'énoncé avec ses cases, la figure de l'énoncé à sa place, et la zone de la
// solution en dessous.

#include <string>

struct TdonneesCommunes;

// Donne à la zone de l'énoncé la taille qu'elle a dans la fenêtre principale (780 × 271),
// avant la pose, pour que la figure s'y place comme à l'écran.
void dimensionnerEnonceCommeLaFenetre(TdonneesCommunes& d);

// Dessine les zones dans un PNG ; faux quand le fichier ne s'écrit pas.
bool dessinerZonesExercice(const TdonneesCommunes& d, const std::string& png);
