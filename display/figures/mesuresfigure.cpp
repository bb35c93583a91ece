#include "display/figures/mesuresfigure.h"

#include "analysis/geometrie/constructions.h"
#include "display/figures/figures.h"
#include "display/figures/polygonefigure.h"
#include "display/zones/zoneaffichage.h"

#include <cmath>

namespace {

constexpr double egalite = 1e-9;
constexpr double alignement = 1e-6;

TpointMonde lire(const TzoneAffichage& zone, Tnom nom) {
    return {abscisseObjet(zone, nom), ordonneeObjet(zone, nom)};
}

bool egaux(TpointMonde a, TpointMonde b) {
    return std::abs(a.x - b.x) < egalite && std::abs(a.y - b.y) < egalite;
}

bool segmentsEgaux(TpointMonde a, TpointMonde b, TpointMonde c, TpointMonde d) {
    return (egaux(a, c) && egaux(b, d)) || (egaux(a, d) && egaux(b, c));
}

double produitVectoriel(TpointMonde u, TpointMonde v) {
    return u.x * v.y - u.y * v.x;
}

TpointMonde vecteur(TpointMonde a, TpointMonde b) {
    return {b.x - a.x, b.y - a.y};
}

} // namespace

double distancePoints(const TzoneAffichage& zone, Tnom a, Tnom b) {
    return constructions::distance(lire(zone, a), lire(zone, b));
}

double mesureAngle(const TzoneAffichage& zone, Tnom a, Tnom o, Tnom b) {
    const TpointMonde po = lire(zone, o);
    const auto angle =
        constructions::angleOriente(vecteur(po, lire(zone, a)), vecteur(po, lire(zone, b)));
    return angle ? std::abs(*angle) : 0;
}

double mesureAngleOriente(const TzoneAffichage& zone, Tnom a, Tnom o, Tnom b) {
    const TpointMonde po = lire(zone, o);
    const double angle = mesureAngle(zone, a, o, b);
    return produitVectoriel(vecteur(po, lire(zone, a)), vecteur(po, lire(zone, b))) > 0 ? angle
                                                                                        : -angle;
}

bool pointsConfondus(const TzoneAffichage& zone, Tnom a, Tnom b) {
    return egaux(lire(zone, a), lire(zone, b));
}

bool alignes(const TzoneAffichage& zone, Tnom a, Tnom b, Tnom c) {
    const TpointMonde pa = lire(zone, a);
    return std::abs(produitVectoriel(vecteur(pa, lire(zone, c)), vecteur(pa, lire(zone, b)))) <
           alignement;
}

bool paralleles(const TzoneAffichage& zone, Tnom a, Tnom b, Tnom c, Tnom d) {
    return std::abs(produitVectoriel(vecteur(lire(zone, c), lire(zone, d)),
                                     vecteur(lire(zone, a), lire(zone, b)))) < alignement;
}

bool memeSens(const TzoneAffichage& zone, Tnom a, Tnom b, Tnom c, Tnom d) {
    const TpointMonde u = vecteur(lire(zone, a), lire(zone, b));
    const TpointMonde v = vecteur(lire(zone, c), lire(zone, d));
    return u.x * v.x + u.y * v.y > 0;
}

bool memeLongueur(const TzoneAffichage& zone, Tnom a, Tnom b, Tnom c, Tnom d) {
    return std::abs(distancePoints(zone, a, b) - distancePoints(zone, c, d)) < egalite;
}

bool memeSegment(const TzoneAffichage& zone, Tnom a, Tnom b, Tnom c, Tnom d) {
    return segmentsEgaux(lire(zone, a), lire(zone, b), lire(zone, c), lire(zone, d));
}

bool memeDemiDroite(const TzoneAffichage& zone, Tnom a, Tnom b, Tnom c, Tnom d) {
    return pointsConfondus(zone, a, c) && alignes(zone, a, b, d) && memeSens(zone, a, b, c, d);
}

bool memeDroite(const TzoneAffichage& zone, Tnom a, Tnom b, Tnom c, Tnom d) {
    return alignes(zone, a, b, c) && alignes(zone, a, b, d);
}

bool memeTriangle(const TzoneAffichage& zone, Tnom a, Tnom b, Tnom c, Tnom d, Tnom e, Tnom f) {
    const TpointMonde pa = lire(zone, a);
    const TpointMonde pb = lire(zone, b);
    const TpointMonde pc = lire(zone, c);
    const TpointMonde pd = lire(zone, d);
    const TpointMonde pe = lire(zone, e);
    const TpointMonde pf = lire(zone, f);
    if (egaux(pa, pd)) {
        return segmentsEgaux(pb, pc, pe, pf);
    }
    if (egaux(pa, pe)) {
        return segmentsEgaux(pb, pc, pd, pf);
    }
    if (egaux(pa, pf)) {
        return segmentsEgaux(pb, pc, pd, pe);
    }
    return false;
}

bool vecteursEgaux(const TzoneAffichage& zone, Tnom a, Tnom b, Tnom c, Tnom d) {
    const bool premierNul = pointsConfondus(zone, a, b);
    const bool secondNul = pointsConfondus(zone, c, d);
    if (premierNul || secondNul) {
        return premierNul && secondNul;
    }
    return memeLongueur(zone, a, b, c, d) && paralleles(zone, a, b, c, d) &&
           memeSens(zone, a, b, c, d);
}

bool polygonesEgaux(const TzoneAffichage& zone, Tnom p, Tnom q) {
    const auto* pp = dynamic_cast<const TpolygoneFigure*>(zone.objet(indiceObjet(zone, p)));
    const auto* pq = dynamic_cast<const TpolygoneFigure*>(zone.objet(indiceObjet(zone, q)));
    if (pp == nullptr || pq == nullptr || pp->coordonnees.size() != pq->coordonnees.size() ||
        pp->coordonnees.size() < 2) {
        return false;
    }
    // Les coordonnées répètent le premier sommet à la fin.
    const std::size_t n = pp->coordonnees.size() - 1;
    const auto& sp = pp->coordonnees;
    const auto& sq = pq->coordonnees;
    std::size_t depart = n;
    for (std::size_t i = 0; i < n; ++i) {
        if (egaux(sq[i], sp[0])) {
            depart = i;
            break;
        }
    }
    if (depart == n) {
        return false;
    }
    const auto sommetQ = [&](std::size_t k, bool avant) {
        return sq[avant ? (depart + k) % n : (depart + n - k % n) % n];
    };
    bool avant = true;
    if (n > 1 && !egaux(sommetQ(1, true), sp[1])) {
        if (!egaux(sommetQ(1, false), sp[1])) {
            return false;
        }
        avant = false;
    }
    for (std::size_t k = 0; k < n; ++k) {
        if (!egaux(sommetQ(k, avant), sp[k])) {
            return false;
        }
    }
    return true;
}
