#pragma once

// Les mesures et les tests d'une figure : ils lisent la position courante des points nommés
// d'une zone (un nom absent se lit comme le point (0, 0)), si bien qu'ils suivent les points
// que l'élève a déplacés. Deux coordonnées ou deux longueurs sont égales à 1e-9 près ;
// l'alignement et le parallélisme comparent un produit vectoriel non normalisé à 1e-6.

#include <string_view>

struct TzoneAffichage;

using Tnom = std::string_view;

double distancePoints(const TzoneAffichage& zone, Tnom a, Tnom b);
// Angle AOB en degrés, de 0 à 180 ; 0 quand un côté est nul.
double mesureAngle(const TzoneAffichage& zone, Tnom a, Tnom o, Tnom b);
// Le même, négatif sauf quand on tourne de OA vers OB dans le sens direct.
double mesureAngleOriente(const TzoneAffichage& zone, Tnom a, Tnom o, Tnom b);

bool pointsConfondus(const TzoneAffichage& zone, Tnom a, Tnom b);
bool alignes(const TzoneAffichage& zone, Tnom a, Tnom b, Tnom c);
bool paralleles(const TzoneAffichage& zone, Tnom a, Tnom b, Tnom c, Tnom d);
bool memeSens(const TzoneAffichage& zone, Tnom a, Tnom b, Tnom c, Tnom d);
bool memeLongueur(const TzoneAffichage& zone, Tnom a, Tnom b, Tnom c, Tnom d);
bool memeSegment(const TzoneAffichage& zone, Tnom a, Tnom b, Tnom c, Tnom d);
bool memeDemiDroite(const TzoneAffichage& zone, Tnom a, Tnom b, Tnom c, Tnom d);
bool memeDroite(const TzoneAffichage& zone, Tnom a, Tnom b, Tnom c, Tnom d);
bool memeTriangle(const TzoneAffichage& zone, Tnom a, Tnom b, Tnom c, Tnom d, Tnom e, Tnom f);
bool vecteursEgaux(const TzoneAffichage& zone, Tnom a, Tnom b, Tnom c, Tnom d);
// Faux quand l'un des deux noms ne désigne pas un polygone.
bool polygonesEgaux(const TzoneAffichage& zone, Tnom p, Tnom q);
