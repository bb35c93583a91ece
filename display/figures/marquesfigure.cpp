#include "display/figures/marquesfigure.h"

#include "display/figures/figures.h"
#include "display/zones/zoneaffichage.h"

#include <string>

namespace {

// Nombre maximal de cases d'un côté d'un quadrillage ou de traits d'une graduation : la
// zone ne tient que 650 objets.
constexpr int divisionsMaximum = 100;

std::string aux(Tnom nom, int rang) {
    return std::string(nom) + "_" + std::to_string(rang);
}

std::string aux(Tnom nom, int i, int j) {
    return std::string(nom) + "_" + std::to_string(i) + "_" + std::to_string(j);
}

void cacher(TzoneAffichage& zone, int indice) {
    if (TobjetZone* o = zone.objet(indice)) {
        o->visible = false;
    }
}

// Point libre caché, pour fixer une longueur.
void pointFixe(TzoneAffichage& zone, const std::string& nom, double x, double y) {
    cacher(zone, pointCache(zone, nom, 0, x, y));
}

// Deux points cachés nom_0 (0, 0) et nom_1 (longueur, 0) : la longueur à reporter.
void longueur(TzoneAffichage& zone, Tnom nom, double l) {
    pointFixe(zone, aux(nom, 0), 0, 0);
    pointFixe(zone, aux(nom, 1), l, 0);
}

// Arc de centre o, de rayon fixé par (debut, fin), entre les directions oa et ob.
int arcEntre(TzoneAffichage& zone, Tnom nom, Tnom o, Tnom a, Tnom b, const std::string& debut,
             const std::string& fin, const std::string& p, const std::string& q, Tcouleur couleur) {
    cacher(zone, reportLongueur(zone, p, o, a, debut, fin, 0, 0, 0));
    cacher(zone, reportLongueur(zone, q, o, b, debut, fin, 0, 0, 0));
    return arcAngle(zone, nom, o, p, q, couleur, 1, 1);
}

} // namespace

void angleDroit(TzoneAffichage& zone, Tnom nom, Tnom o, Tnom p1, Tnom p2, double taille,
                Tcouleur couleur, int plein) {
    longueur(zone, nom, taille);
    cacher(zone, reportLongueur(zone, aux(nom, 2), o, p1, aux(nom, 0), aux(nom, 1), 0, 0, 0));
    cacher(zone, reportLongueur(zone, aux(nom, 3), o, p2, aux(nom, 0), aux(nom, 1), 0, 0, 0));
    cacher(zone, quatriemeSommet(zone, aux(nom, 4), o, aux(nom, 2), aux(nom, 3), 0, 0, 0));
    const std::string sommets =
        std::string(o) + " " + aux(nom, 2) + " " + aux(nom, 4) + " " + aux(nom, 3);
    const int carre = polygone(zone, nom, sommets, couleur);
    if (plein == 1) {
        if (TobjetZone* p = zone.objet(carre)) {
            p->remplissage = 1;
        }
    }
}

void marqueAngle(TzoneAffichage& zone, Tnom nom, Tnom o, Tnom m, double angle) {
    cacher(zone, pointTourne(zone, aux(nom, 1), o, m, -angle / 2, 0, 0, 0));
    cacher(zone, pointTourne(zone, aux(nom, 2), o, m, angle / 2, 0, 0, 0));
    arcAngle(zone, nom, o, aux(nom, 1), aux(nom, 2), 0xC0C0C0, 1, 1);
}

void arcMarqueAngle(TzoneAffichage& zone, Tnom nom, Tnom o, Tnom a, Tnom b, double rayon,
                    Tcouleur couleur, int mode) {
    longueur(zone, nom, rayon);
    const int arc =
        arcEntre(zone, nom, o, a, b, aux(nom, 0), aux(nom, 1), aux(nom, 2), aux(nom, 3), couleur);
    if (mode == 0) {
        if (TobjetZone* p = zone.objet(arc)) {
            p->remplissage = 1;
        }
    } else if (mode == 2) {
        pointFixe(zone, aux(nom, 4), 1.3 * rayon, 0);
        arcEntre(zone, std::string(nom) + "_bis", o, a, b, aux(nom, 0), aux(nom, 4), aux(nom, 5),
                 aux(nom, 6), couleur);
    }
}

void codageSegment(TzoneAffichage& zone, Tnom nom, Tnom a, Tnom b, double taille, Tcouleur couleur,
                   int type) {
    longueur(zone, nom, taille);
    const std::string m = aux(nom, 2);
    cacher(zone, milieu(zone, m, a, b, 0, 0, 0));
    cacher(zone, reportLongueur(zone, aux(nom, 3), m, b, aux(nom, 0), aux(nom, 1), 0, 0, 0));
    // Angles des traits tournés autour du milieu.
    double angles[2] = {0, 0};
    int traits = 0;
    switch (type) {
    case 1:
        angles[0] = 80;
        traits = 1;
        break;
    case 2:
        angles[0] = 80;
        angles[1] = 100;
        traits = 2;
        break;
    case 4:
        angles[0] = 65;
        angles[1] = 115;
        traits = 2;
        break;
    default:
        return;
    }
    // name_4 et name_6 : les images tournées ; name_5 et name_7 : leurs symétriques.
    for (int t = 0; t < traits; ++t) {
        cacher(zone, pointTourne(zone, aux(nom, 4 + 2 * t), m, aux(nom, 3), angles[t], 0, 0, 0));
        cacher(zone, symetriqueCentral(zone, aux(nom, 5 + 2 * t), m, aux(nom, 4 + 2 * t), 0, 0, 0));
    }
    switch (type) {
    case 1:
        segmentSimple(zone, aux(nom, 4), aux(nom, 5), couleur);
        break;
    case 2:
        segmentSimple(zone, aux(nom, 4), aux(nom, 7), couleur);
        segmentSimple(zone, aux(nom, 6), aux(nom, 5), couleur);
        break;
    default:
        segmentSimple(zone, aux(nom, 4), aux(nom, 5), couleur);
        segmentSimple(zone, aux(nom, 7), aux(nom, 6), couleur);
        break;
    }
}

void quadrillage(TzoneAffichage& zone, Tnom nom, Tnom a, Tnom b, Tnom c, int nB, int nC,
                 Tcouleur couleur) {
    if (nB < 0 || nC < 0 || nB > divisionsMaximum || nC > divisionsMaximum) {
        return;
    }
    const auto bord = [&](int i, int j) {
        cacher(zone, pointAffine(zone, aux(nom, i, j), a, b, c, i, j, 0, 0, 0));
    };
    for (int i = 0; i <= nB; ++i) {
        bord(i, 0);
        bord(i, nC);
    }
    for (int j = 1; j < nC; ++j) {
        bord(0, j);
        bord(nB, j);
    }
    for (int i = 0; i <= nB; ++i) {
        segmentSimple(zone, aux(nom, i, nC), aux(nom, i, 0), couleur);
    }
    for (int j = 0; j <= nC; ++j) {
        segmentSimple(zone, aux(nom, nB, j), aux(nom, 0, j), couleur);
    }
}

void graduation(TzoneAffichage& zone, Tnom nom, Tnom a, Tnom b, Tnom c, int n, Tcouleur couleur) {
    if (n < 0 || n > divisionsMaximum) {
        return;
    }
    for (int i = 0; i <= n; ++i) {
        cacher(zone, pointSurDroite(zone, aux(nom, i, 0), a, b, i, 0, 0, 0));
        cacher(zone, pointAffine(zone, aux(nom, i, 1), a, b, c, i, 1, 0, 0, 0));
        segmentSimple(zone, aux(nom, i, 0), aux(nom, i, 1), couleur);
    }
}
