#pragma once

// L'accueil : la zone zoneAccueil (790 × 570, fond #65CD98) porte l'image de fond et, pour
// chacun des trois boutons « À propos », « Quitter » et « Entrée », son image active
// (cachée d'abord) et son image inactive au même endroit. Le survol montre l'image active
// et la main ; les appuis ouvrent « À propos », terminent le programme ou entrent.

struct TdonneesCommunes;

enum class TboutonAccueil { Aucun, APropos, Quitter, Entree };

// Construit la zone de l'accueil avec les images que désigne l'enregistrement.
void preparerAccueil(TdonneesCommunes& d);

// Le bouton dont le rectangle (inégalités strictes, dans l'ordre À propos, Quitter, Entrée)
// contient le point de la zone.
TboutonAccueil boutonAccueilSous(int x, int y);

// Changement du pointeur demandé par un mouvement sur l'accueil.
enum class TsurvolAccueil { Aucun, Main, Defaut };

// Un mouvement du pointeur en (x, y) : l'image du bouton survolé devient active, celle du
// bouton quitté redevient inactive ; rend le pointeur à poser (Aucun si rien ne change).
TsurvolAccueil survolerAccueil(TdonneesCommunes& d, int x, int y);

// Chaque survol en cours est effacé et son image inactive remise (à l'entrée).
void effacerSurvolsAccueil(TdonneesCommunes& d);
