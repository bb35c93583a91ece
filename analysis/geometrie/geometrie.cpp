#include "analysis/geometrie/geometrie.h"

#include <cmath>
#include <numbers>

namespace nombres {

namespace {

constexpr double pi = std::numbers::pi;

double radians(double angle) {
    return angle * pi / 180;
}

} // namespace

bool dansRectangle(double x, double y, double x1, double x2, double y1, double y2) {
    return x1 < x && x < x2 && y1 < y && y < y2;
}

double distance(double x1, double y1, double x2, double y2) {
    return norme(x2 - x1, y2 - y1);
}

double norme(double x, double y) {
    return std::sqrt(x * x + y * y);
}

std::optional<PointPlan> resoudreSysteme(double a1, double b1, double c1, double a2, double b2,
                                         double c2) {
    const double determinant = a1 * b2 - a2 * b1;
    if (!(std::abs(determinant) >= 1e-6)) {
        return std::nullopt;
    }
    return PointPlan{(b1 * c2 - b2 * c1) / determinant, (a2 * c1 - a1 * c2) / determinant};
}

DroitePlan droitePointDirection(double x0, double y0, double dx, double dy) {
    return DroitePlan{dy, -dx, -dy * x0 + dx * y0};
}

std::optional<PointPlan> intersectionDroites(PointPlan p1, PointPlan d1, PointPlan p2,
                                             PointPlan d2) {
    const DroitePlan l1 = droitePointDirection(p1.x, p1.y, d1.x, d1.y);
    const DroitePlan l2 = droitePointDirection(p2.x, p2.y, d2.x, d2.y);
    return resoudreSysteme(l1.a, l1.b, l1.c, l2.a, l2.b, l2.c);
}

PointPlan symetriqueDroite(DroitePlan d, double x, double y) {
    const double f = d.a * x + d.b * y + d.c;
    return PointPlan{x - 2 * d.a * f, y - 2 * d.b * f};
}

PointPlan symetriquePointDirection(double x0, double y0, double dx, double dy, double x, double y) {
    return symetriqueDroite(droitePointDirection(x0, y0, dx, dy), x, y);
}

std::optional<PointPlan> intersectionDroiteCercle(int s, DroitePlan d, double xc, double yc,
                                                  double r) {
    const double m = d.a * xc + d.b * yc + d.c;
    double q = r * r - m * m;
    if (q < 0 && q > -1e-6) {
        q = 0;
    }
    if (!(q >= 0)) {
        return std::nullopt;
    }
    const double t = s * std::sqrt(q);
    return PointPlan{xc - d.a * m - d.b * t, yc - d.b * m + d.a * t};
}

std::optional<PointPlan> intersectionPointDirectionCercle(int s, double x0, double y0, double dx,
                                                          double dy, double xc, double yc,
                                                          double r) {
    return intersectionDroiteCercle(s, droitePointDirection(x0, y0, dx, dy), xc, yc, r);
}

std::optional<PointPlan> intersectionCercles(double x1, double y1, double r1, double x2, double y2,
                                             double r2) {
    DroitePlan axe{-2 * (x1 - x2), -2 * (y1 - y2),
                   x1 * x1 + y1 * y1 - r1 * r1 - x2 * x2 - y2 * y2 + r2 * r2};
    const double longueur = norme(axe.a, axe.b);
    if (!(longueur >= 1e-6)) {
        return std::nullopt;
    }
    axe.a /= longueur;
    axe.b /= longueur;
    axe.c /= longueur;
    return intersectionDroiteCercle(1, axe, x1, y1, r1);
}

PointPlan rotationPoint(double xc, double yc, double x, double y, double angle) {
    return similitudePoint(xc, yc, x, y, angle, 1);
}

PointPlan similitudePoint(double xc, double yc, double x, double y, double angle, double k) {
    const double a = radians(angle);
    const double ox = (x - xc) * std::cos(a) - (y - yc) * std::sin(a);
    const double oy = (y - yc) * std::cos(a) + (x - xc) * std::sin(a);
    return PointPlan{xc + k * ox, yc + k * oy};
}

double arcCosinus(double x) {
    if (x < 0) {
        return pi - arcCosinus(-x);
    }
    if (1 - x < 1e-10) {
        return 0;
    }
    if (x < 0.7) {
        return pi / 2 - std::atan(x / std::sqrt(1 - x * x));
    }
    return std::atan(std::sqrt(1 / (x * x) - 1));
}

double angleDirection(double c, double s) {
    const double angle = arcCosinus(c) * 180 / pi;
    return s >= 0 ? angle : 360 - angle;
}

double cosDegres(double angle) {
    return std::cos(radians(angle));
}
double sinDegres(double angle) {
    return std::sin(radians(angle));
}
double tanDegres(double angle) {
    return sinDegres(angle) / cosDegres(angle);
}
double arcCosDegres(double x) {
    return arcCosinus(x) * 180 / pi;
}
double arcSinDegres(double x) {
    return 90 - arcCosDegres(x);
}

double arcTanDegres(double x) {
    if (x < 0) {
        return -arcTanDegres(-x);
    }
    return arcCosDegres(1 / std::sqrt(x * x + 1));
}

bool normaliserVecteur(double& x, double& y) {
    const double longueur = norme(x, y);
    if (!(longueur >= 1e-10)) {
        return false;
    }
    x /= longueur;
    y /= longueur;
    return true;
}

std::optional<double> angleVecteurs(double ux, double uy, double vx, double vy) {
    const double lu = norme(ux, uy);
    const double lv = norme(vx, vy);
    if (!(lu >= 1e-10) || !(lv >= 1e-10)) {
        return std::nullopt;
    }
    const double angle = arcCosDegres((ux * vx + uy * vy) / (lu * lv));
    return (ux * vy - uy * vx <= 0) ? -angle : angle;
}

std::optional<double> angleSommet(double xa, double ya, double xo, double yo, double xb,
                                  double yb) {
    return angleVecteurs(xa - xo, ya - yo, xb - xo, yb - yo);
}

double angleSommet360(double xa, double ya, double xo, double yo, double xb, double yb) {
    const std::optional<double> angle = angleSommet(xa, ya, xo, yo, xb, yb);
    if (!angle) {
        return 0;
    }
    return *angle < 0 ? *angle + 360 : *angle;
}

} // namespace nombres
