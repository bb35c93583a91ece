#include "display/figures/lignefigure.h"

#include "analysis/geometrie/constructions.h"
#include "display/figures/tracefigure.h"
#include "display/zones/zoneaffichage.h"

#include <cmath>

namespace {

Tclasse classeDe(int genre) {
    switch (genre) {
    case TligneFigure::genreSegment:
        return Tclasse::segment;
    case TligneFigure::genreDemiDroite:
        return Tclasse::demiDroite;
    case TligneFigure::genreCote:
        return Tclasse::doubleFleche;
    default:
        return Tclasse::droite;
    }
}

// Paramètre t où la droite p + t·d atteint le bord visible du côté de d (en x quand elle est
// plutôt horizontale, sinon en y).
double versBord(const TzoneAffichage& zone, TpointMonde p, TpointMonde d, bool horizontale) {
    if (horizontale) {
        return ((d.x > 0 ? zone.xMax : zone.xMin) - p.x) / d.x;
    }
    return ((d.y > 0 ? zone.yMax : zone.yMin) - p.y) / d.y;
}

} // namespace

TligneFigure::TligneFigure(int genre) : TobjetFigure(genre, classeDe(genre)) {
    style = 1;
    taille = 1;
}

void TligneFigure::recalculer(const TzoneAffichage& zone) {
    if (parentIndefini(zone)) {
        return;
    }
    TpointMonde pa, pb;
    const bool deuxPoints =
        positionPoint(zone, parents[0], pa) && positionPoint(zone, parents[1], pb);
    switch (genre) {
    case genreSegment:
    case genreCote:
        indefini = !deuxPoints;
        a = pa;
        b = pb;
        return;
    case genreDemiDroite:
    case genreDroite:
        if (const auto d = deuxPoints ? constructions::directionUnitaire(pa, pb) : std::nullopt) {
            origine = pa;
            direction = *d;
            return;
        }
        break;
    case genreMediatrice:
        if (const auto d =
                deuxPoints ? constructions::directionUnitaire(pa, pb, 1e-6) : std::nullopt) {
            origine = constructions::pointSurDroite(pa, pb, 0.5);
            direction = {-d->y, d->x};
            return;
        }
        break;
    case genrePerpendiculaire: {
        TpointMonde m, q, d;
        if (positionPoint(zone, parents[0], m) && supportDroite(zone, parents[1], q, d)) {
            origine = m;
            direction = {-d.y, d.x};
            return;
        }
        break;
    }
    default:
        break;
    }
    indefini = true;
}

bool TligneFigure::support(TpointMonde& p, TpointMonde& d) const {
    if (genre == genreCote) {
        return false;
    }
    if (genre == genreSegment) {
        const auto u = constructions::directionUnitaire(a, b);
        if (!u) {
            return false;
        }
        p = a;
        d = *u;
        return true;
    }
    p = origine;
    d = direction;
    return true;
}

void TligneFigure::peindre(Tcanevas& canevas, TzoneAffichage& zone) {
    switch (genre) {
    case genreSegment:
        tracerTrait(canevas, zone, versPixels(zone, a), versPixels(zone, b), couleur, style,
                    taille);
        return;
    case genreCote: {
        const QPointF decalage(decalageX, decalageY);
        tracerTrait(canevas, zone, versPixels(zone, a) + decalage, versPixels(zone, b) + decalage,
                    couleur, 4, 1);
        return;
    }
    default:
        break;
    }
    const bool horizontale = std::abs(direction.x) > std::abs(direction.y);
    const double fin = versBord(zone, origine, direction, horizontale);
    double debut = 0;
    if (genre == genreDemiDroite) {
        // L'origine au-delà du bord visible dans le sens de la demi-droite : rien à peindre.
        if (!(fin > 0)) {
            return;
        }
    } else {
        debut = versBord(zone, origine, {-direction.x, -direction.y}, horizontale) * -1;
    }
    const TpointMonde p1{origine.x + debut * direction.x, origine.y + debut * direction.y};
    const TpointMonde p2{origine.x + fin * direction.x, origine.y + fin * direction.y};
    tracerTrait(canevas, zone, versPixels(zone, p1), versPixels(zone, p2), couleur, style, taille);
}
