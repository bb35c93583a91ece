#include "display/figures/objetfigure.h"

#include "display/zones/zoneaffichage.h"

bool TobjetFigure::position(TpointMonde&) const {
    return false;
}

bool TobjetFigure::support(TpointMonde&, TpointMonde&) const {
    return false;
}

bool TobjetFigure::centreEtRayon(TpointMonde&, double&) const {
    return false;
}

bool TobjetFigure::extremites(TpointMonde&, TpointMonde&) const {
    return false;
}

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
    const TobjetFigure* f = objetFigure(zone, i);
    return f != nullptr && f->position(p);
}

bool supportDroite(const TzoneAffichage& zone, int i, TpointMonde& p, TpointMonde& d) {
    const TobjetFigure* f = objetFigure(zone, i);
    return f != nullptr && !f->indefini && f->support(p, d);
}

bool centreRayon(const TzoneAffichage& zone, int i, TpointMonde& c, double& r) {
    const TobjetFigure* f = objetFigure(zone, i);
    return f != nullptr && f->centreEtRayon(c, r);
}

bool extremitesArc(const TzoneAffichage& zone, int i, TpointMonde& debut, TpointMonde& fin) {
    const TobjetFigure* f = objetFigure(zone, i);
    return f != nullptr && f->extremites(debut, fin);
}
