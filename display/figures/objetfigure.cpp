#include "display/figures/objetfigure.h"

#include "display/figures/cerclefigure.h"
#include "display/figures/lignefigure.h"
#include "display/figures/pointfigure.h"
#include "display/zones/zoneaffichage.h"

bool TobjetFigure::parentIndefini(const TzoneAffichage& zone) {
    indefini = false;
    for (const int p : parents) {
        if (p == 0) {
            continue;
        }
        const TobjetZone* parent = zone.objet(p);
        if (parent == nullptr || parent->indefini) {
            indefini = true;
            return true;
        }
    }
    return false;
}

const TobjetFigure* objetFigure(const TzoneAffichage& zone, int i) {
    return dynamic_cast<const TobjetFigure*>(zone.objet(i));
}

bool positionPoint(const TzoneAffichage& zone, int i, TpointMonde& p) {
    const auto* point = dynamic_cast<const TpointFigure*>(zone.objet(i));
    if (point == nullptr) {
        return false;
    }
    p = {point->x, point->y};
    return true;
}

bool supportDroite(const TzoneAffichage& zone, int i, TpointMonde& p, TpointMonde& d) {
    const auto* ligne = dynamic_cast<const TligneFigure*>(zone.objet(i));
    if (ligne == nullptr || ligne->indefini) {
        return false;
    }
    return ligne->support(p, d);
}

bool centreRayon(const TzoneAffichage& zone, int i, TpointMonde& c, double& r) {
    const auto* cercle = dynamic_cast<const TcercleFigure*>(zone.objet(i));
    if (cercle == nullptr || cercle->genre == TcercleFigure::genreDemiEllipse) {
        return false;
    }
    c = cercle->centre;
    r = cercle->rayon;
    return true;
}

bool extremitesArc(const TzoneAffichage& zone, int i, TpointMonde& debut, TpointMonde& fin) {
    const auto* arc = dynamic_cast<const TcercleFigure*>(zone.objet(i));
    if (arc == nullptr || arc->genre != TcercleFigure::genreArc) {
        return false;
    }
    debut = arc->debut;
    fin = arc->fin;
    return true;
}
