#pragma once

// Aides de géométrie plane et de trigonométrie des figures et des exercices. Les angles
// sont en degrés sauf mention contraire. Une construction impossible (droites parallèles,
// pas d'intersection, vecteur nul) rend std::nullopt au lieu de diviser par presque zéro.

#include "analysis/geometrie/droiteplan.h"
#include "analysis/geometrie/pointplan.h"

#include <optional>

namespace nombres {

// x1 < x < x2 et y1 < y < y2 (strict).
bool dansRectangle(double x, double y, double x1, double x2, double y1, double y2);

double distance(double x1, double y1, double x2, double y2);
double norme(double x, double y);

// (x, y) tel que a1 x + b1 y + c1 = 0 et a2 x + b2 y + c2 = 0 (Cramer) ; rien quand le
// déterminant est sous 1e-6 en valeur absolue.
std::optional<PointPlan> resoudreSysteme(double a1, double b1, double c1, double a2, double b2,
                                         double c2);

// La droite passant par (x0, y0) de direction (dx, dy).
DroitePlan droitePointDirection(double x0, double y0, double dx, double dy);

// Intersection des droites passant par p1 et p2, de directions d1 et d2 ; rien si parallèles.
std::optional<PointPlan> intersectionDroites(PointPlan p1, PointPlan d1, PointPlan p2,
                                             PointPlan d2);

// Symétrique de (x, y) par rapport à la droite (A² + B² = 1).
PointPlan symetriqueDroite(DroitePlan d, double x, double y);

// Symétrique par rapport à la droite passant par (x0, y0) de direction unitaire (dx, dy).
PointPlan symetriquePointDirection(double x0, double y0, double dx, double dy, double x, double y);

// Intersection d'une droite (A² + B² = 1) et d'un cercle ; s = +1 ou −1 choisit le point.
// Une droite tangente à 1e-6 près donne le point de contact.
std::optional<PointPlan> intersectionDroiteCercle(int s, DroitePlan d, double xc, double yc,
                                                  double r);

std::optional<PointPlan> intersectionPointDirectionCercle(int s, double x0, double y0, double dx,
                                                          double dy, double xc, double yc,
                                                          double r);

// Un point commun à deux cercles (par l'axe radical) ; rien pour deux cercles de même centre
// ou sans point commun.
std::optional<PointPlan> intersectionCercles(double x1, double y1, double r1, double x2, double y2,
                                             double r2);

PointPlan rotationPoint(double xc, double yc, double x, double y, double angle);
PointPlan similitudePoint(double xc, double yc, double x, double y, double angle, double k);

// Arc cosinus en radians calculé par l'arc tangente (robuste près de ±1).
double arcCosinus(double x);

// Angle en degrés (0 à 360) du vecteur unitaire (c, s).
double angleDirection(double c, double s);

double cosDegres(double angle);
double sinDegres(double angle);
double tanDegres(double angle);
double arcCosDegres(double x);
double arcSinDegres(double x);
double arcTanDegres(double x);

// Divise (x, y) par sa longueur ; faux (vecteur inchangé) quand elle est sous 1e-10.
bool normaliserVecteur(double& x, double& y);

// Angle orienté de u à v en degrés, négatif quand le produit vectoriel est ≤ 0 ; rien si
// un des vecteurs est nul.
std::optional<double> angleVecteurs(double ux, double uy, double vx, double vy);

// Angle AOB : angleVecteurs(OA, OB).
std::optional<double> angleSommet(double xa, double ya, double xo, double yo, double xb, double yb);

// angleSommet ramené dans 0..360 ; 0 quand il est dégénéré.
double angleSommet360(double xa, double ya, double xo, double yo, double xb, double yb);

} // namespace nombres
