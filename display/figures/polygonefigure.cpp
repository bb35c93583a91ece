#include "display/figures/polygonefigure.h"

#include "display/figures/tracefigure.h"
#include "display/texte/canevas.h"
#include "display/zones/pixel.h"
#include "display/zones/zoneaffichage.h"

#include <QPainter>
#include <QPolygonF>
#include <cmath>

TpolygoneFigure::TpolygoneFigure() : TobjetFigure(genrePolygone, Tclasse::polygone) {
    style = 1;
    taille = 1;
}

void TpolygoneFigure::recalculer(const TzoneAffichage& zone) {
    indefini = false;
    coordonnees.clear();
    for (const int s : sommets) {
        TpointMonde p;
        const TobjetZone* sommet = zone.objet(s);
        if (sommet == nullptr || sommet->indefini || !positionPoint(zone, s, p)) {
            indefini = true;
            coordonnees.clear();
            return;
        }
        coordonnees.push_back(p);
    }
    if (!coordonnees.empty()) {
        coordonnees.push_back(coordonnees.front());
    }
}

void TpolygoneFigure::peindre(Tcanevas& canevas, TzoneAffichage& zone) {
    if (coordonnees.size() < 2) {
        return;
    }
    if (remplissage != 0) {
        QPolygonF contour;
        for (const TpointMonde& p : coordonnees) {
            const QPointF q = versPixels(zone, p);
            if (!(std::abs(q.x()) <= 1e6 && std::abs(q.y()) <= 1e6)) {
                return;
            }
            contour << QPointF(enPixel(q.x()), enPixel(q.y()));
        }
        appliquerRemplissage(canevas.peintre(), couleur, remplissage);
        canevas.peintre().drawPolygon(contour);
        canevas.peintre().setBrush(Qt::NoBrush);
        return;
    }
    for (std::size_t i = 1; i < coordonnees.size(); ++i) {
        tracerTrait(canevas, zone, versPixels(zone, coordonnees[i - 1]),
                    versPixels(zone, coordonnees[i]), couleur, style, taille);
    }
}
