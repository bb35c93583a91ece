#include "display/figures/tracefigure.h"

#include "display/texte/canevas.h"
#include "display/zones/pixel.h"
#include "display/zones/zoneaffichage.h"

#include <QBrush>
#include <QPainter>
#include <QPen>
#include <QPolygon>
#include <cmath>
#include <numbers>

namespace {

// Marge autour de la zone au-delà de laquelle un trait est coupé.
constexpr double marge = 200;

QColor enQColor(Tcouleur c) {
    return QColor(QRgb(0xFF000000u | (c & 0xFFFFFFu)));
}

QPoint arrondi(QPointF p) {
    return {enPixel(p.x()), enPixel(p.y())};
}

// Le vecteur v tourné de `angle` degrés dans le sens direct vu à l'écran (y vers le bas).
QPointF tourner(QPointF v, double angle) {
    const double a = angle * std::numbers::pi / 180;
    return {v.x() * std::cos(a) + v.y() * std::sin(a), -v.x() * std::sin(a) + v.y() * std::cos(a)};
}

QPointF unitaire(QPointF v) {
    const double n = std::hypot(v.x(), v.y());
    return n < 1e-9 ? QPointF(0, 0) : v / n;
}

void pointeOuverte(Tcanevas& canevas, QPointF depuis, QPointF bout) {
    const QPointF retour = unitaire(depuis - bout);
    for (const double angle : {15.0, -15.0}) {
        const QPoint a = arrondi(bout);
        const QPoint b = arrondi(bout + tourner(retour, angle) * 20);
        canevas.ligne(a.x(), a.y(), b.x(), b.y());
    }
}

} // namespace

QPointF versPixels(const TzoneAffichage& zone, TpointMonde p) {
    return {p.x * zone.echelle + zone.origineX, zone.origineY - p.y * zone.echelle};
}

bool couperAuCadre(const TzoneAffichage& zone, QPointF& a, QPointF& b) {
    if (!std::isfinite(a.x()) || !std::isfinite(a.y()) || !std::isfinite(b.x()) ||
        !std::isfinite(b.y())) {
        return false;
    }
    const double gauche = -marge;
    const double haut = -marge;
    const double droite = zone.largeur + marge;
    const double bas = zone.hauteur + marge;
    // Liang–Barsky : le segment a + t(b − a), t dans [0, 1], restreint au cadre.
    double t0 = 0;
    double t1 = 1;
    const double dx = b.x() - a.x();
    const double dy = b.y() - a.y();
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {a.x() - gauche, droite - a.x(), a.y() - haut, bas - a.y()};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0) {
                return false;
            }
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0) {
            t0 = std::max(t0, t);
        } else {
            t1 = std::min(t1, t);
        }
        if (t0 > t1) {
            return false;
        }
    }
    const QPointF depart = a;
    a = depart + QPointF(dx, dy) * t0;
    b = depart + QPointF(dx, dy) * t1;
    return true;
}

void appliquerCrayon(QPainter& peintre, Tcouleur couleur, int style, int largeur) {
    QPen crayon(enQColor(couleur));
    crayon.setWidthF(largeur <= 1 ? Tcanevas::largeurTraitFin(peintre) : largeur);
    crayon.setStyle(style == 2 ? Qt::DashLine : style == 3 ? Qt::DotLine : Qt::SolidLine);
    crayon.setCapStyle(Qt::FlatCap);
    peintre.setPen(crayon);
}

void tracerTrait(Tcanevas& canevas, const TzoneAffichage& zone, QPointF a, QPointF b,
                 Tcouleur couleur, int style, int largeur) {
    const QPointF debut = a;
    const QPointF fin = b;
    if (!couperAuCadre(zone, a, b)) {
        return;
    }
    const QPoint pa = arrondi(a);
    const QPoint pb = arrondi(b);
    if (style == 4) {
        largeur = 1;
    }
    if (style == 2 || style == 3) {
        appliquerCrayon(canevas.peintre(), couleur, style, largeur);
        canevas.peintre().drawLine(pa, pb);
        return;
    }
    canevas.definirCrayon(couleur, largeur);
    canevas.ligne(pa.x(), pa.y(), pb.x(), pb.y());
    // Une pointe n'est dessinée qu'au bout réel du trait, pas à sa coupe.
    const bool finEntiere = b == fin;
    const bool debutEntier = a == debut;
    if ((style == 4 || style == 5) && finEntiere) {
        pointePleine(canevas.peintre(), QPointF(pa), QPointF(pb), couleur);
    }
    if (style == 4 && debutEntier) {
        pointePleine(canevas.peintre(), QPointF(pb), QPointF(pa), couleur);
    }
    if (style == 6 && finEntiere) {
        canevas.definirCrayon(couleur, 1);
        pointeOuverte(canevas, QPointF(pa), QPointF(pb));
    }
}

void pointePleine(QPainter& peintre, QPointF depuis, QPointF bout, Tcouleur couleur) {
    const QPointF retour = unitaire(depuis - bout);
    if (retour.isNull()) {
        return;
    }
    const QPolygon pointe({arrondi(bout), arrondi(bout + tourner(retour, 15) * 10),
                           arrondi(bout + tourner(retour, -15) * 10)});
    peintre.setPen(Qt::NoPen);
    peintre.setBrush(enQColor(couleur));
    peintre.drawPolygon(pointe);
    peintre.setBrush(Qt::NoBrush);
}

void appliquerRemplissage(QPainter& peintre, Tcouleur couleur, int remplissage) {
    static constexpr Qt::BrushStyle motifs[] = {
        Qt::NoBrush,      Qt::SolidPattern, Qt::BDiagPattern,
        Qt::FDiagPattern, Qt::CrossPattern, Qt::DiagCrossPattern,
        Qt::HorPattern,   Qt::VerPattern,   Qt::SolidPattern,
    };
    const Qt::BrushStyle motif =
        remplissage >= 0 && remplissage <= 8 ? motifs[remplissage] : Qt::SolidPattern;
    peintre.setPen(Qt::NoPen);
    peintre.setBrush(QBrush(enQColor(couleur), motif));
}
