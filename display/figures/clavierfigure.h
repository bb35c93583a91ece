#pragma once

// Le déplacement au clavier des points d'une figure : la touche de tabulation donne le
// clavier au point déplaçable suivant de la zone (visible, défini, mobile), les flèches le
// déplacent d'un pas de sa grille, ou d'un petit pas du monde (4 pixels) pour un point libre
// sans grille, d'un pas d'angle (au moins 1 degré) pour un point sur un cercle. Le point va
// où irait la souris : mêmes bornes, même recalcul de la figure, même demande de dessin.

struct TzoneAffichage;

enum class ToucheFigure { suivant, gauche, droite, haut, bas };

// Rend vrai quand la touche a servi : faux pour une tabulation après le dernier point (le
// clavier quitte la zone, qui n'a plus de point choisi) ou une flèche sans point choisi.
bool toucheFigure(TzoneAffichage& zone, ToucheFigure touche);
