#include "display/figures/clavierfigure.h"

#include "analysis/geometrie/constructions.h"
#include "display/figures/figures.h"
#include "display/figures/pointfigure.h"
#include "display/zones/zoneaffichage.h"

#include <algorithm>

namespace {

constexpr double pixelsParPas = 4;

bool deplacableAuClavier(const TobjetZone* o) {
    return o != nullptr && o->classe == Tclasse::point && o->mobile && o->visible && !o->indefini &&
           !o->fige;
}

// Le point déplaçable qui suit l'indice donné, 0 après le dernier.
int suivant(const TzoneAffichage& zone, int depuis) {
    for (int i = std::max(depuis, 0) + 1; i <= zone.nombreObjets(); ++i) {
        if (deplacableAuClavier(zone.objet(i))) {
            return i;
        }
    }
    return 0;
}

// Où la souris devrait aller pour que le point fasse un pas dans le sens (sx, sy).
TpointMonde cible(const TzoneAffichage& zone, const TpointFigure& p, int sx, int sy) {
    const auto& q = p.parametres;
    const double petit = pixelsParPas / (zone.echelle > 0 ? zone.echelle : 1);
    switch (p.genre) {
    case TpointFigure::genreSurGrille:
        return {p.x + sx * (q[2] > 0 ? q[2] : petit), p.y + sy * (q[5] > 0 ? q[5] : petit)};
    case TpointFigure::genreSurSegmentHorizontal:
        return {p.x + (sx + sy) * (q[2] > 0 ? q[2] : petit), p.y};
    case TpointFigure::genreSurCercle: {
        TpointMonde centre;
        if (!positionPoint(zone, p.parents[0], centre)) {
            return {p.x, p.y};
        }
        // Droite et haut tournent dans le sens direct.
        const double pas = std::max(q[2], 1.0) * ((sx + sy) > 0 ? 1 : -1);
        return constructions::rotationPoint(centre, {p.x, p.y}, pas);
    }
    default: {
        const Trepere& r = zone.repere;
        const bool grille = r.visible && !r.grillePolaire && !r.grilleTriangulaire;
        return {p.x + sx * (grille && r.pasX > 0 ? r.pasX : petit),
                p.y + sy * (grille && r.pasY > 0 ? r.pasY : petit)};
    }
    }
}

} // namespace

bool toucheFigure(TzoneAffichage& zone, ToucheFigure touche) {
    if (zone.figee) {
        return false;
    }
    if (touche == ToucheFigure::suivant) {
        zone.objetClavier = suivant(zone, zone.objetClavier);
        rafraichirZone(zone);
        return zone.objetClavier != 0;
    }
    auto* p = dynamic_cast<TpointFigure*>(zone.objet(zone.objetClavier));
    if (!deplacableAuClavier(p)) {
        zone.objetClavier = 0;
        return false;
    }
    const int sx = touche == ToucheFigure::droite ? 1 : touche == ToucheFigure::gauche ? -1 : 0;
    const int sy = touche == ToucheFigure::haut ? 1 : touche == ToucheFigure::bas ? -1 : 0;
    const TpointMonde m = cible(zone, *p, sx, sy);
    const int saisi = zone.objetSaisi;
    zone.objetSaisi = zone.objetClavier;
    zone.sourisReelX = m.x;
    zone.sourisReelY = m.y;
    deplacerPointSaisi(zone);
    zone.objetSaisi = saisi;
    return true;
}
