#include "analysis/geometrie/constructions.h"

#include <cmath>
#include <numbers>

namespace constructions {

namespace {

constexpr double degres = 180.0 / std::numbers::pi;

// Le point commun à un cercle (c, r) et à une droite de normale unitaire n et de direction
// d, à la distance signée m du centre : c − m·n + √(r² − m²)·d. Une droite tangente à 1e-6
// près donne le point de contact ; plus loin, rien.
std::optional<TpointMonde> pointCommun(TpointMonde c, double r, double m, TpointMonde n,
                                       TpointMonde d) {
    double reste = r * r - m * m;
    if (!(reste >= -1e-6)) {
        return std::nullopt;
    }
    if (reste < 0) {
        reste = 0;
    }
    const double s = std::sqrt(reste);
    return TpointMonde{c.x - m * n.x + s * d.x, c.y - m * n.y + s * d.y};
}

} // namespace

double distance(TpointMonde a, TpointMonde b) {
    return std::hypot(b.x - a.x, b.y - a.y);
}

TpointMonde pointSurDroite(TpointMonde a, TpointMonde b, double t) {
    return {a.x + t * (b.x - a.x), a.y + t * (b.y - a.y)};
}

TpointMonde pointAffine(TpointMonde a, TpointMonde b, TpointMonde c, double u, double v) {
    return {a.x + u * (b.x - a.x) + v * (c.x - a.x), a.y + u * (b.y - a.y) + v * (c.y - a.y)};
}

TpointMonde rotationPoint(TpointMonde o, TpointMonde m, double angle) {
    const double a = angle / degres;
    const double c = std::cos(a);
    const double s = std::sin(a);
    return {o.x + (m.x - o.x) * c - (m.y - o.y) * s, o.y + (m.y - o.y) * c + (m.x - o.x) * s};
}

double arcCosDegres(double c) {
    if (c < 0) {
        return 180.0 - arcCosDegres(-c);
    }
    if (1 - c < 1e-10) {
        return 0;
    }
    if (c < 0.7) {
        return 90.0 - std::atan(c / std::sqrt(1 - c * c)) * degres;
    }
    return std::atan(std::sqrt(1 / (c * c) - 1)) * degres;
}

std::optional<double> angleOriente(TpointMonde u, TpointMonde v) {
    const double nu = std::hypot(u.x, u.y);
    const double nv = std::hypot(v.x, v.y);
    if (nu < 1e-10 || nv < 1e-10) {
        return std::nullopt;
    }
    const double a = arcCosDegres((u.x * v.x + u.y * v.y) / (nu * nv));
    return u.x * v.y - u.y * v.x < 0 ? -a : a;
}

std::optional<double> angleOriente360(TpointMonde u, TpointMonde v) {
    auto a = angleOriente(u, v);
    if (a && *a < 0) {
        *a += 360;
    }
    return a;
}

std::optional<TpointMonde> directionUnitaire(TpointMonde a, TpointMonde b, double seuil) {
    const double n = distance(a, b);
    if (!(n >= seuil)) {
        return std::nullopt;
    }
    return TpointMonde{(b.x - a.x) / n, (b.y - a.y) / n};
}

std::optional<TpointMonde> reportLongueur(TpointMonde c, TpointMonde d, TpointMonde a,
                                          TpointMonde b) {
    const double cd = distance(c, d);
    if (!(cd >= 1e-10)) {
        return std::nullopt;
    }
    return pointSurDroite(c, d, distance(a, b) / cd);
}

std::optional<TpointMonde> intersectionDroites(TpointMonde p1, TpointMonde d1, TpointMonde p2,
                                               TpointMonde d2) {
    // Chaque droite s'écrit a x + b y + c = 0 avec (a, b) = (dy, −dx).
    const double a1 = d1.y;
    const double b1 = -d1.x;
    const double c1 = -(a1 * p1.x + b1 * p1.y);
    const double a2 = d2.y;
    const double b2 = -d2.x;
    const double c2 = -(a2 * p2.x + b2 * p2.y);
    const double determinant = a1 * b2 - a2 * b1;
    if (!(std::abs(determinant) >= 1e-6)) {
        return std::nullopt;
    }
    return TpointMonde{(b1 * c2 - b2 * c1) / determinant, (a2 * c1 - a1 * c2) / determinant};
}

TpointMonde symetriqueDroite(TpointMonde p, TpointMonde d, TpointMonde m) {
    const double t = (m.x - p.x) * d.x + (m.y - p.y) * d.y;
    const TpointMonde h{p.x + t * d.x, p.y + t * d.y};
    return {2 * h.x - m.x, 2 * h.y - m.y};
}

std::optional<TpointMonde> intersectionDroiteCercle(TpointMonde p, TpointMonde d, TpointMonde c,
                                                    double r) {
    // Droite n·P + k = 0 de normale unitaire n = (dy, −dx).
    const TpointMonde n{d.y, -d.x};
    const double k = -(n.x * p.x + n.y * p.y);
    return pointCommun(c, r, n.x * c.x + n.y * c.y + k, n, d);
}

std::optional<TpointMonde> intersectionCercles(TpointMonde c1, double r1, TpointMonde c2,
                                               double r2) {
    const double l = distance(c1, c2);
    if (!(l >= 1e-6)) {
        return std::nullopt;
    }
    // Axe radical 2(c2 − c1)·P = |c2|² − r2² − |c1|² + r1², de normale n de c1 vers c2 et de
    // direction n tournée de +90 degrés.
    const TpointMonde n{(c2.x - c1.x) / l, (c2.y - c1.y) / l};
    const double second = c2.x * c2.x + c2.y * c2.y - r2 * r2 - c1.x * c1.x - c1.y * c1.y + r1 * r1;
    const double k = -second / (2 * l);
    return pointCommun(c1, r1, n.x * c1.x + n.y * c1.y + k, n, {-n.y, n.x});
}

std::optional<TpointMonde> centreCercleInscrit(TpointMonde a, TpointMonde b, TpointMonde c) {
    const double ab = distance(a, b);
    const double bc = distance(b, c);
    const double ca = distance(c, a);
    const double perimetre = ab + bc + ca;
    if (!(perimetre >= 1e-10)) {
        return std::nullopt;
    }
    return TpointMonde{(bc * a.x + ca * b.x + ab * c.x) / perimetre,
                       (bc * a.y + ca * b.y + ab * c.y) / perimetre};
}

} // namespace constructions
