#pragma once

// Placement des zones de figure : la boîte à peindre d'une zone est cachée, déplacée et
// redimensionnée, montrée de nouveau, et la zone est vidée. Les figures de l'énoncé et de
// la solution se calent dans le coin droit de la zone de texte correspondante.

struct TdonneesCommunes;
struct TzoneAffichage;

void placerZone(TdonneesCommunes& d, TzoneAffichage& zone, int gauche, int haut, int largeur,
                int hauteur);

// Figure de la solution : la largeur donnée, la hauteur de la zone de solution moins 10, à
// 5 pixels du haut et du bord droit de la zone de solution.
void placerFigureSolution(TdonneesCommunes& d, int largeur);

// Figure de l'énoncé carrée, de côté la hauteur de l'énoncé moins 10, à 5 pixels du haut et
// du bord droit de l'énoncé.
void placerFigureEnonceCarree(TdonneesCommunes& d);

// Figure de l'énoncé de taille donnée, à 5 pixels du bas et du bord droit de l'énoncé.
void placerFigureEnonce(TdonneesCommunes& d, int largeur, int hauteur);
