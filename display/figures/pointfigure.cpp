#include "display/figures/pointfigure.h"

#include "analysis/geometrie/constructions.h"
#include "analysis/nombres/ecriturenombre.h"
#include "display/figures/figures.h"
#include "display/figures/tracefigure.h"
#include "display/texte/canevas.h"
#include "display/texte/textemarque.h"
#include "display/zones/pixel.h"
#include "display/zones/zoneaffichage.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace {

using namespace constructions;

std::optional<TpointMonde> point(const TzoneAffichage& zone, int i) {
    TpointMonde p;
    if (!positionPoint(zone, i, p)) {
        return std::nullopt;
    }
    return p;
}

// Angle de l'arc de centre o de a à b, de 0 à 360 dans le sens direct.
std::optional<double> angleArc(TpointMonde o, TpointMonde a, TpointMonde b) {
    return angleOriente360({a.x - o.x, a.y - o.y}, {b.x - o.x, b.y - o.y});
}

// Les étiquettes écrivent les nombres comme l'analyse ; une valeur non finie s'écrit « ? ».
std::string texteMesure(int decimales, double x) {
    return std::isfinite(x) ? nombres::texteArrondiVirgule(decimales, x) : "?";
}

// Coordonnée au point décimal, bornée à ±1e15 pour garder une étiquette courte.
std::string texteCoordonnee(double x) {
    return std::isfinite(x) ? nombres::texteReel(std::clamp(x, -1e15, 1e15)) : "?";
}

} // namespace

bool TpointFigure::genreLibreDePosition(int genre) {
    return genre == genreLibre || genre == genreSurSegmentHorizontal || genre == genreSurGrille ||
           genre == genreSurCercle || genre == genreChoix;
}

TpointFigure::TpointFigure(int genre) : TobjetFigure(genre, Tclasse::point) {
    taille = 5;
    mobile = genre == genreLibre || genre == genreSurGrille || genre == genreChoix;
}

void TpointFigure::recalculer(const TzoneAffichage& zone) {
    if (parentIndefini(zone)) {
        return;
    }
    const auto p = [&](int rang) { return point(zone, parents[static_cast<std::size_t>(rang)]); };
    std::optional<TpointMonde> resultat;
    switch (genre) {
    case genreSurDroite:
        if (auto a = p(0), b = p(1); a && b) {
            resultat = pointSurDroite(*a, *b, parametres[0]);
        }
        break;
    case genreAffine:
        if (auto a = p(0), b = p(1), c = p(2); a && b && c) {
            resultat = pointAffine(*a, *b, *c, parametres[0], parametres[1]);
        }
        break;
    case genreTourne:
        if (auto o = p(0), m = p(1); o && m) {
            resultat = rotationPoint(*o, *m, parametres[0]);
        }
        break;
    case genreTourneAngle:
        if (auto o = p(0), a = p(1), b = p(2), m = p(3); o && a && b && m) {
            if (auto angle = angleOriente({a->x - o->x, a->y - o->y}, {b->x - o->x, b->y - o->y})) {
                resultat = rotationPoint(*o, *m, *angle);
            }
        }
        break;
    case genreReportLongueur:
        if (auto c = p(0), d = p(1), a = p(2), b = p(3); c && d && a && b) {
            resultat = reportLongueur(*c, *d, *a, *b);
        }
        break;
    case genreIntersectionDroites: {
        TpointMonde p1, d1, p2, d2;
        if (supportDroite(zone, parents[0], p1, d1) && supportDroite(zone, parents[1], p2, d2)) {
            resultat = intersectionDroites(p1, d1, p2, d2);
        }
        break;
    }
    case genreSymetriqueAxe: {
        TpointMonde q, d;
        if (auto m = p(1); m && supportDroite(zone, parents[0], q, d)) {
            resultat = symetriqueDroite(q, d, *m);
        }
        break;
    }
    case genreIntersectionCercles: {
        TpointMonde c1, c2;
        double r1 = 0;
        double r2 = 0;
        if (centreRayon(zone, parents[0], c1, r1) && centreRayon(zone, parents[1], c2, r2)) {
            resultat = intersectionCercles(c1, r1, c2, r2);
        }
        break;
    }
    case genreIntersectionDroiteCercle: {
        TpointMonde q, d, c;
        double r = 0;
        if (supportDroite(zone, parents[0], q, d) && centreRayon(zone, parents[1], c, r)) {
            resultat = intersectionDroiteCercle(q, d, c, r);
        }
        break;
    }
    case genreMesureLongueur:
        if (auto a = p(0), b = p(1); a && b) {
            resultat = pointSurDroite(*a, *b, 0.5);
            etiquette = texteMesure(static_cast<int>(parametres[0]), distance(*a, *b));
        }
        break;
    case genreMesureAngle:
        if (auto o = p(0), a = p(1), b = p(2); o && a && b) {
            resultat = *o;
            const auto angle = angleOriente({a->x - o->x, a->y - o->y}, {b->x - o->x, b->y - o->y});
            etiquette = texteMesure(static_cast<int>(parametres[0]), angle ? std::abs(*angle) : 0) +
                        "\u00b0";
        }
        break;
    case genreCentreInscrit:
        if (auto a = p(0), b = p(1), c = p(2); a && b && c) {
            resultat = centreCercleInscrit(*a, *b, *c);
        }
        break;
    case genreRayonDeveloppe: {
        TpointMonde o;
        double r = 0;
        if (auto k = p(0), j = p(1); k && j && centreRayon(zone, parents[2], o, r)) {
            TpointMonde debut, fin;
            if (extremitesArc(zone, parents[2], debut, fin)) {
                const double kj = distance(*k, *j);
                if (auto theta = angleArc(o, debut, fin); theta && kj >= 1e-10) {
                    resultat = pointSurDroite(*k, *j, r * *theta / 360 / kj);
                }
            }
        }
        break;
    }
    case genreSurCercle:
        if (auto a = p(0), b = p(1); a && b) {
            resultat = rotationPoint(*a, *b, parametres[3]);
        }
        break;
    case genreChoix:
        if (auto a = p(0), b = p(1); a && b) {
            resultat = parametres[0] == 1 ? *a : *b;
        }
        break;
    default:
        // Points libres : leur position ne dépend de rien.
        return;
    }
    if (!resultat || !std::isfinite(resultat->x) || !std::isfinite(resultat->y)) {
        indefini = true;
        return;
    }
    x = resultat->x;
    y = resultat->y;
}

std::string TpointFigure::texteEtiquette() const {
    if (modeEtiquette == 1) {
        return etiquette + "(" + texteCoordonnee(x) + "," + texteCoordonnee(y) + ")";
    }
    return etiquette;
}

void TpointFigure::peindre(Tcanevas& canevas, TzoneAffichage& zone) {
    const QPointF pixels = versPixels(zone, {x, y});
    if (!std::isfinite(pixels.x()) || !std::isfinite(pixels.y())) {
        return;
    }
    pxDernier = enPixel(pixels.x());
    pyDernier = enPixel(pixels.y());
    if (taille > 0) {
        const int d = taille / 2;
        canevas.remplir(pxDernier - d + 1, pyDernier - d + 1, pxDernier + d + 1, pyDernier + d + 1,
                        couleur);
    }
    const std::string texte = texteEtiquette();
    if (texte.empty()) {
        return;
    }
    canevas.definirTaillePolice(tailleEtiquette);
    double plume = pxDernier + largeurCaractere(canevas) * dxEtiquette;
    const double haut = pyDernier + hauteurLigne(canevas) * dyEtiquette;
    dessinerTexteMarque(canevas, texte, plume, haut, couleur, 11, tailleEtiquette);
}

bool TpointFigure::positionEcran(const TzoneAffichage& zone, int& px, int& py) const {
    const QPointF pixels = versPixels(zone, {x, y});
    px = enPixel(pixels.x());
    py = enPixel(pixels.y());
    return std::isfinite(pixels.x()) && std::isfinite(pixels.y());
}

bool TpointFigure::position(TpointMonde& p) const {
    p = {x, y};
    return true;
}

void TpointFigure::glisser(TzoneAffichage& zone) {
    deplacerPointSaisi(zone);
}
