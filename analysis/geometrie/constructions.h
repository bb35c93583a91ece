#pragma once

// Les règles de construction des figures : des fonctions sans état qui calculent la valeur
// d'un objet à partir de celles de ses parents (milieu, image par une rotation,
// intersections…). Une construction impossible (vecteur nul, droites parallèles, pas de point
// commun) rend std::nullopt : l'objet devient indéfini, jamais un nombre non numérique.
// Les angles sont en degrés.

#include "analysis/geometrie/pointmonde.h"

#include <optional>

namespace constructions {

double distance(TpointMonde a, TpointMonde b);

// a + t(b − a).
TpointMonde pointSurDroite(TpointMonde a, TpointMonde b, double t);

// a + u(b − a) + v(c − a).
TpointMonde pointAffine(TpointMonde a, TpointMonde b, TpointMonde c, double u, double v);

// Image de m par la rotation de centre o et d'angle donné (sens direct).
TpointMonde rotationPoint(TpointMonde o, TpointMonde m, double angle);

// Arc cosinus en degrés, calculé par l'arc tangente pour rester exact près de ±1.
double arcCosDegres(double c);

// Angle orienté de u à v, de −180 à 180 (positif dans le sens direct) ; rien quand un des
// vecteurs est plus court que 1e-10.
std::optional<double> angleOriente(TpointMonde u, TpointMonde v);

// Le même ramené de 0 à 360.
std::optional<double> angleOriente360(TpointMonde u, TpointMonde v);

// Vecteur unitaire de a vers b ; rien quand ab est sous le seuil.
std::optional<TpointMonde> directionUnitaire(TpointMonde a, TpointMonde b, double seuil = 1e-10);

// Point de la demi-droite [cd) à la distance ab de c ; rien quand cd < 1e-10.
std::optional<TpointMonde> reportLongueur(TpointMonde c, TpointMonde d, TpointMonde a,
                                          TpointMonde b);

// Intersection des droites (p1, direction d1) et (p2, direction d2), par la règle de Cramer ;
// rien quand le déterminant est sous 1e-6 en valeur absolue.
std::optional<TpointMonde> intersectionDroites(TpointMonde p1, TpointMonde d1, TpointMonde p2,
                                               TpointMonde d2);

// Symétrique de m par rapport à la droite passant par p de direction unitaire d.
TpointMonde symetriqueDroite(TpointMonde p, TpointMonde d, TpointMonde m);

// Le point commun à la droite (p, direction unitaire d) et au cercle (c, r) situé le plus
// loin dans le sens de d ; une droite tangente à 1e-6 près donne le point de contact.
std::optional<TpointMonde> intersectionDroiteCercle(TpointMonde p, TpointMonde d, TpointMonde c,
                                                    double r);

// Un point commun aux deux cercles, celui qui est à gauche de la droite orientée de c1 vers
// c2 ; rien pour des centres à moins de 1e-6 ou des cercles sans point commun.
std::optional<TpointMonde> intersectionCercles(TpointMonde c1, double r1, TpointMonde c2,
                                               double r2);

// Centre du cercle inscrit dans abc ; rien quand les trois points sont confondus.
std::optional<TpointMonde> centreCercleInscrit(TpointMonde a, TpointMonde b, TpointMonde c);

} // namespace constructions
