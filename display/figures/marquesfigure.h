#pragma once

// Les marques d'usage d'une figure (angle droit, arcs d'angle, codage des longueurs égales)
// et les structures régulières (quadrillage, graduation), faites des objets ordinaires des
// figures. Chaque marque crée des points auxiliaires cachés nommés d'après elle (nom
// suivi de « _0 », « _1 »…), si bien qu'elle suit ses points de base quand ils bougent et
// que le contenu peut la cacher ou la recolorer ensuite. Les tailles sont en unités du
// monde.

#include "display/couleur.h"

#include <string_view>

struct TzoneAffichage;

using Tnom = std::string_view;

// Carré de côté `taille` dans l'angle P1 O P2, plein quand `plein` vaut 1.
void angleDroit(TzoneAffichage& zone, Tnom nom, Tnom o, Tnom p1, Tnom p2, double taille,
                Tcouleur couleur, int plein);
// Arc gris de centre O, symétrique autour de la direction OM, d'ouverture `angle` degrés.
void marqueAngle(TzoneAffichage& zone, Tnom nom, Tnom o, Tnom m, double angle);
// Arc de centre O de la direction OA à la direction OB dans le sens direct ; mode 0 : secteur
// plein ; mode 2 : arc double (le second, nommé nom suivi de « _bis », de rayon 1,3 fois).
void arcMarqueAngle(TzoneAffichage& zone, Tnom nom, Tnom o, Tnom a, Tnom b, double rayon,
                    Tcouleur couleur, int mode);
// Codage du milieu de [AB] : type 1 un trait, 2 deux traits, 4 une croix ; les autres types
// n'ajoutent que les points auxiliaires.
void codageSegment(TzoneAffichage& zone, Tnom nom, Tnom a, Tnom b, double taille, Tcouleur couleur,
                   int type);
// Quadrillage de nB × nC cases sur la base (A ; AB, AC).
void quadrillage(TzoneAffichage& zone, Tnom nom, Tnom a, Tnom b, Tnom c, int nB, int nC,
                 Tcouleur couleur);
// n + 1 traits parallèles à AC le long de AB.
void graduation(TzoneAffichage& zone, Tnom nom, Tnom a, Tnom b, Tnom c, int n, Tcouleur couleur);
