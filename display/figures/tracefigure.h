#pragma once

// Les traits des figures : passage des coordonnées du monde aux pixels sans arrondi, coupe
// d'un segment au cadre de la zone (une droite ou un point très lointains ne donnent jamais
// un trait démesuré), traits pleins, tiretés ou pointillés, pointes de flèche et motifs de
// remplissage.

#include "analysis/geometrie/pointmonde.h"
#include "display/couleur.h"

#include <QPointF>

class QPainter;
class Tcanevas;
struct TzoneAffichage;

// Position en pixels (réels) d'un point du monde.
QPointF versPixels(const TzoneAffichage& zone, TpointMonde p);

// Coupe le segment [a, b] au cadre de la zone élargi d'une marge ; faux quand il n'en
// reste rien (ou qu'une coordonnée n'est pas un nombre).
bool couperAuCadre(const TzoneAffichage& zone, QPointF& a, QPointF& b);

// Trait de a à b (pixels) dans le style de crayon des figures : 1 plein, 2 tireté,
// 3 pointillé, 4 flèche double, 5 flèche à pointe pleine au second bout, 6 flèche à pointe
// ouverte au second bout.
void tracerTrait(Tcanevas& canevas, const TzoneAffichage& zone, QPointF a, QPointF b,
                 Tcouleur couleur, int style, int largeur);

// Pointe pleine de sommet `bout`, ses deux autres coins à 10 pixels en arrière le long du
// trait venant de `depuis`, tournés de ±15 degrés.
void pointePleine(QPainter& peintre, QPointF depuis, QPointF bout, Tcouleur couleur);

// Pinceau du motif de remplissage (1 plein, 2 et 3 hachures à 45 degrés, 4 quadrillage,
// 5 quadrillage en diagonale, 6 lignes horizontales, 7 verticales ; 8 plein) et aucun
// crayon : une forme remplie n'a pas de contour.
void appliquerRemplissage(QPainter& peintre, Tcouleur couleur, int remplissage);

// Crayon du style de figure (1 plein, 2 tireté, 3 pointillé, sinon plein) sur le peintre.
void appliquerCrayon(QPainter& peintre, Tcouleur couleur, int style, int largeur);
