#include "display/figures/repere.h"

#include "analysis/texte/texteutf8.h"
#include "display/figures/tracefigure.h"
#include "display/texte/canevas.h"
#include "display/texte/textemarque.h"
#include "display/zones/pixel.h"
#include "display/zones/zoneaffichage.h"

#include <QPainter>
#include <cmath>
#include <numbers>

namespace {

constexpr Tcouleur gris = 0xE0E0E0;
// Au-delà de ce nombre de lignes, un côté du quadrillage n'est pas peint.
constexpr double lignesMaximum = 30000;

void trait(Tcanevas& canevas, const TzoneAffichage& zone, TpointMonde a, TpointMonde b,
           Tcouleur couleur) {
    tracerTrait(canevas, zone, versPixels(zone, a), versPixels(zone, b), couleur, 1, 1);
}

// Légende peinte comme l'étiquette d'un point : au point du monde, décalée en largeurs de
// caractère et hauteurs de ligne de la taille 11.
void legende(Tcanevas& canevas, const TzoneAffichage& zone, Tcouleur couleur,
             const std::string& texte, double x, double y, double dx, double dy) {
    const QPointF p = versPixels(zone, {x, y});
    canevas.definirTaillePolice(11);
    double plume = enPixel(p.x()) + largeurCaractere(canevas) * dx;
    dessinerTexteMarque(canevas, texteutf8::couper(texte, 10), plume,
                        enPixel(p.y()) + hauteurLigne(canevas) * dy, couleur, 11, 11);
}

void peindreGrillePolaire(Tcanevas& canevas, const TzoneAffichage& zone, const Trepere& r) {
    const double degre = std::numbers::pi / 180;
    for (int k = 0; k <= r.nombreRayons && k <= 3600; ++k) {
        const double a = k * r.pasAngle * degre;
        trait(canevas, zone, {0, 0}, {r.rayonMax * std::cos(a), r.rayonMax * std::sin(a)}, gris);
    }
    QPainter& peintre = canevas.peintre();
    appliquerCrayon(peintre, gris, 1, 1);
    peintre.setBrush(Qt::NoBrush);
    const QPointF o = versPixels(zone, {0, 0});
    for (double rayon = std::ceil(r.rayonMin); rayon <= r.rayonMax && rayon - r.rayonMin < 1000;
         ++rayon) {
        const double px = rayon * zone.echelle;
        if (px > 1e6) {
            break;
        }
        peintre.drawEllipse(o, px, px);
    }
}

void peindreGrilleTriangulaire(Tcanevas& canevas, const TzoneAffichage& zone) {
    const double c = std::min(std::abs(std::nearbyint(zone.xMax)), 10000.0);
    const double racine3 = std::sqrt(3.0);
    for (double k = -c; k <= c; ++k) {
        trait(canevas, zone, {k, zone.yMin}, {k, zone.yMax}, gris);
    }
    // Droites de pentes ±1/√3 passant par (0, 2k/√3), tracées sur la largeur visible.
    for (double k = -2 * c; k <= 2 * c; ++k) {
        const double y0 = 2 * k / racine3;
        for (const double pente : {1 / racine3, -1 / racine3}) {
            trait(canevas, zone, {zone.xMin, y0 + pente * zone.xMin},
                  {zone.xMax, y0 + pente * zone.xMax}, gris);
        }
    }
}

// Lignes k·pas pour k allant de l'arrondi de la borne positive vers 0, puis de la borne
// négative vers 0, comme le quadrillage les compte.
template <class Ligne>
void lignesQuadrillage(double minimum, double maximum, double pas, Ligne&& ligne) {
    if (!(pas > 0)) {
        return;
    }
    if (maximum > 0) {
        const double debut = minimum > 0 ? std::nearbyint(minimum) : 0;
        const double fin = std::nearbyint(maximum / pas);
        if (fin - debut < lignesMaximum) {
            for (double k = debut; k <= fin; ++k) {
                ligne(k * pas);
            }
        }
    }
    if (minimum < 0) {
        const double debut = maximum < 0 ? std::nearbyint(maximum) : -1;
        const double fin = std::nearbyint(minimum / pas);
        if (debut - fin < lignesMaximum) {
            for (double k = debut; k >= fin; --k) {
                ligne(k * pas);
            }
        }
    }
}

void quadrillageEtAxes(Tcanevas& canevas, const TzoneAffichage& zone, const Trepere& r) {
    if (r.quadrillageCarre) {
        lignesQuadrillage(zone.xMin, zone.xMax, r.pasX, [&](double x) {
            trait(canevas, zone, {x, zone.yMin}, {x, zone.yMax}, gris);
        });
        lignesQuadrillage(zone.yMin, zone.yMax, r.pasY, [&](double y) {
            trait(canevas, zone, {zone.xMin, y}, {zone.xMax, y}, gris);
        });
    }
    if (r.sansAxes) {
        return;
    }
    trait(canevas, zone, {zone.xMin, 0}, {zone.xMax, 0}, r.couleurAxes);
    trait(canevas, zone, {0, zone.yMin}, {0, zone.yMax}, r.couleurAxes);
    legende(canevas, zone, r.couleurAxes, r.texteOrigine, 0, 0, r.texteOrigine == "0" ? -1.2 : -1.5,
            0);
    legende(canevas, zone, r.couleurAxes, r.nomAxeX, zone.xMax, 0, -1.2, 0);
    legende(canevas, zone, r.couleurAxes, r.nomAxeY, 0, zone.yMax, -1.2, 0);
    legende(canevas, zone, r.couleurAxes, r.texteGraduationX, r.xGraduation, 0, -0.5, 0);
    legende(canevas, zone, r.couleurAxes, r.texteGraduationY, 0, r.yGraduation, -1.2, -0.5);
}

} // namespace

void Trepere::peindre(Tcanevas& canevas, const TzoneAffichage& zone) const {
    if (grillePolaire) {
        peindreGrillePolaire(canevas, zone, *this);
    } else if (grilleTriangulaire) {
        peindreGrilleTriangulaire(canevas, zone);
    } else {
        quadrillageEtAxes(canevas, zone, *this);
    }
}
