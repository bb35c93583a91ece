#include "display/figures/cerclefigure.h"

#include "analysis/geometrie/constructions.h"
#include "display/figures/tracefigure.h"
#include "display/texte/canevas.h"
#include "display/zones/pixel.h"
#include "display/zones/zoneaffichage.h"

#include <QPainter>
#include <QRectF>
#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

// Au-delà, une coordonnée en pixels n'est plus peinte.
constexpr double pixelsMaximum = 1e6;

Tclasse classeDe(int genre) {
    switch (genre) {
    case TcercleFigure::genreArc:
        return Tclasse::arc;
    case TcercleFigure::genreDemiEllipse:
        return Tclasse::figureArrondie;
    default:
        return Tclasse::cercle;
    }
}

// Angle en degrés, sens direct, de la direction du centre c vers p (pixels, y vers le bas).
double angleEcran(QPointF c, QPointF p) {
    return std::atan2(c.y() - p.y(), p.x() - c.x()) * 180 / std::numbers::pi;
}

// Deux traits de 14 pixels partant de p, dans la direction du rayon sortant tournée des
// deux angles (sens direct du monde).
void traitsDeFleche(Tcanevas& canevas, QPointF c, QPointF p, double angle1, double angle2) {
    const double n = std::hypot(p.x() - c.x(), p.y() - c.y());
    if (n < 1e-9) {
        return;
    }
    const double ux = (p.x() - c.x()) / n;
    const double uy = (c.y() - p.y()) / n;
    for (const double angle : {angle1, angle2}) {
        const double a = angle * std::numbers::pi / 180;
        const double vx = ux * std::cos(a) - uy * std::sin(a);
        const double vy = ux * std::sin(a) + uy * std::cos(a);
        canevas.ligne(enPixel(p.x()), enPixel(p.y()), enPixel(p.x() + 14 * vx),
                      enPixel(p.y() - 14 * vy));
    }
}

} // namespace

TcercleFigure::TcercleFigure(int genre) : TobjetFigure(genre, classeDe(genre)) {
    style = 1;
    taille = 1;
}

void TcercleFigure::recalculer(const TzoneAffichage& zone) {
    if (parentIndefini(zone)) {
        return;
    }
    TpointMonde a, b;
    if (!positionPoint(zone, parents[0], a) || !positionPoint(zone, parents[1], b)) {
        indefini = true;
        return;
    }
    if (genre == genreDemiEllipse) {
        centre = a;
        const TpointMonde oppose{2 * a.x - b.x, 2 * a.y - b.y};
        boiteMin = {std::min(b.x, oppose.x), std::min(b.y, oppose.y)};
        boiteMax = {std::max(b.x, oppose.x), std::max(b.y, oppose.y)};
        const double ex = std::abs(b.x - a.x);
        const double ey = std::abs(b.y - a.y);
        rayon = std::max(ex, ey);
        switch (mode) {
        case 2:
            debut = {a.x - ex, a.y};
            break;
        case 3:
            debut = {a.x + ex, a.y};
            break;
        case 4:
            debut = {a.x, a.y + ey};
            break;
        default:
            debut = {a.x, a.y - ey};
            break;
        }
        fin = {2 * a.x - debut.x, 2 * a.y - debut.y};
        return;
    }
    centre = a;
    rayon = constructions::distance(a, b);
    boiteMin = {a.x - rayon, a.y - rayon};
    boiteMax = {a.x + rayon, a.y + rayon};
    if (genre == genreArc) {
        TpointMonde c;
        if (!positionPoint(zone, parents[2], c)) {
            indefini = true;
            return;
        }
        debut = b;
        fin = c;
    }
    indefini = !std::isfinite(rayon);
}

bool TcercleFigure::centreEtRayon(TpointMonde& c, double& r) const {
    if (genre == genreDemiEllipse) {
        return false;
    }
    c = centre;
    r = rayon;
    return true;
}

bool TcercleFigure::extremites(TpointMonde& d, TpointMonde& f) const {
    if (genre != genreArc) {
        return false;
    }
    d = debut;
    f = fin;
    return true;
}

void TcercleFigure::peindre(Tcanevas& canevas, TzoneAffichage& zone) {
    const QPointF coin1 = versPixels(zone, {boiteMin.x, boiteMax.y});
    const QPointF coin2 = versPixels(zone, {boiteMax.x, boiteMin.y});
    for (const double v : {coin1.x(), coin1.y(), coin2.x(), coin2.y()}) {
        if (!(std::abs(v) <= pixelsMaximum)) {
            return;
        }
    }
    const QPoint g(enPixel(coin1.x()), enPixel(coin1.y()));
    const QPoint d(enPixel(coin2.x()), enPixel(coin2.y()));
    if (d.x() - g.x() < 1 || d.y() - g.y() < 1) {
        return;
    }
    // La boîte couvre g..d−1 comme un rectangle de la surface de dessin.
    const QRect boite(g, QPoint(d.x() - 1, d.y() - 1));
    QPainter& peintre = canevas.peintre();
    const bool entier = genre == genreCercle || (genre == genreDemiEllipse && mode == 1);
    if (entier) {
        if (remplissage != 0) {
            appliquerRemplissage(peintre, couleur, remplissage);
        } else {
            appliquerCrayon(peintre, couleur, style == 1 ? 1 : 3, taille);
            peintre.setBrush(Qt::NoBrush);
        }
        peintre.drawEllipse(boite);
        peintre.setBrush(Qt::NoBrush);
        return;
    }
    const QPointF c = versPixels(zone, centre);
    const QPointF pDebut = versPixels(zone, debut);
    const QPointF pFin = versPixels(zone, fin);
    const double depart = angleEcran(c, pDebut);
    double etendue = std::fmod(angleEcran(c, pFin) - depart, 360.0);
    if (etendue < 0) {
        etendue += 360;
    }
    const int a16 = static_cast<int>(std::lround(depart * 16));
    const int e16 = static_cast<int>(std::lround(etendue * 16));
    if (remplissage == 8 && genre == genreArc) {
        appliquerRemplissage(peintre, couleur, 1);
        peintre.drawChord(boite, a16, e16);
    } else if (remplissage != 0) {
        appliquerRemplissage(peintre, couleur, remplissage);
        peintre.drawPie(boite, a16, e16);
    } else {
        const int trait = genre == genreArc && (style == 2 || style == 3) ? style : 1;
        appliquerCrayon(peintre, couleur, trait, taille);
        peintre.setBrush(Qt::NoBrush);
        peintre.drawArc(boite, a16, e16);
        if (genre == genreArc) {
            canevas.definirCrayon(couleur, 1);
            if (style == 4 || style == 5) {
                traitsDeFleche(canevas, c, pDebut, 60, 120);
            }
            if (style == 4 || style == 7) {
                traitsDeFleche(canevas, c, pFin, -60, -120);
            }
        }
    }
    peintre.setBrush(Qt::NoBrush);
}
