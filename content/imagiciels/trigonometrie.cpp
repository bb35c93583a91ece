// Les trois illustrations du quart de cercle de rayon 1 (1510 à 1512) : cosinus, sinus et
// tangente d'un angle aigu, lus dans un cadre sur un rapporteur gradué. Le quart de cercle a
// 10 unités de rayon, lues comme 1.

#include "content/imagiciels/etapes.h"
#include "core/donneescommunes.h"
#include "display/figures/figures.h"
#include "display/figures/marquesfigure.h"
#include "display/zones/zoneaffichage.h"

#include <initializer_list>
#include <string>

namespace imagiciels {

namespace {

enum class Trapport { cosinus, sinus, tangente };

constexpr Tcouleur grisClair = 0xE0E0E0;

std::string dixiemes(int k) {
    return std::to_string(k / 10) + "," + std::to_string(k % 10);
}

// Le rapporteur : un trait long tous les 5 degrés, court à chaque degré, et les mesures de 0
// à 75 degrés de 15 en 15.
void rapporteur(TzoneAffichage& z) {
    const auto surOA = [&](const char* nom, double f) {
        cacher(z, pointSurDroite(z, nom, "O", "A", f, 0, 0, noir));
    };
    surOA("b0", 0.96);
    surOA("d0", 0.98);
    surOA("c0", 1 + 1.0 / 30);
    surOA("e0", 1 + 1.0 / 60);
    for (int i = 1; i <= 17; ++i) {
        const std::string b = "b" + std::to_string(i);
        const std::string c = "c" + std::to_string(i);
        cacher(z, pointTourne(z, b, "O", "b0", 5.0 * i, 0, 0, noir));
        cacher(z, pointTourne(z, c, "O", "c0", 5.0 * i, 0, 0, noir));
        segment(z, b, c, noir, 1, 1);
    }
    for (int i = 1; i <= 89; ++i) {
        if (i % 5 == 0) {
            continue;
        }
        const std::string dd = "d" + std::to_string(i);
        const std::string e = "e" + std::to_string(i);
        cacher(z, pointTourne(z, dd, "O", "d0", i, 0, 0, noir));
        cacher(z, pointTourne(z, e, "O", "e0", i, 0, 0, noir));
        segment(z, dd, e, noir, 1, 1);
    }
    const struct {
        const char* point;
        const char* texte;
        double dx;
        double dy;
    } mesures[] = {{"c0", "0°", 0, -0.6},  {"c3", "15°", 0.1, -0.6}, {"c6", "30°", 0.1, -0.7},
                   {"c9", "45°", 0, -0.8}, {"c12", "60°", 0, -0.9},  {"c15", "75°", 0, -1}};
    for (const auto& m : mesures) {
        changerEtiquette(z, m.point, m.texte);
        changerTaille(z, m.point, 0);
        decalerEtiquette(z, m.point, m.dx, m.dy);
        montrerObjet(z, m.point);
    }
}

// Une étiquette de graduation sans point, en bleu, à la fraction f de [O extremite].
void graduationEcrite(TzoneAffichage& z, const std::string& nom, Tnom extremite, double f,
                      const std::string& texte, double dx, double dy) {
    pointSurDroite(z, nom, "O", extremite, f, dx, dy, bleu);
    changerEtiquette(z, nom, texte);
    changerTaille(z, nom, 0);
}

void construireQuart(TdonneesCommunes& d, Trapport r) {
    const bool tan = r == Trapport::tangente;
    TzoneAffichage& z = placerFigure(d, 285, 60, 480, 430);
    z.origineX -= tan ? 60 : 20;
    z.origineY += tan ? 55 : 0;
    z.echelle /= tan ? 1.5 : 1.1;
    bornesZone(z);

    point(z, "O", "0", -5, -5, -0.5, 0.2, bleu, 0);
    point(z, "A", "1", 5, -5, -0.5, 0.2, bleu, 0);
    // « 90° » au-dessus de B, à gauche des traits du rapporteur ; le « 1 » de l'axe vertical
    // (sinus, tangente) se place à gauche de B.
    point(z, "B", "90°", -5, 5, r == Trapport::cosinus ? -1.2 : -1.9, -1.6, noir, 0);
    if (r == Trapport::cosinus) {
        cacher(z, pointSurDroite(z, "A0", "O", "A", 0.02, 0, 0, noir));
        for (int k = 1; k <= 9; ++k) {
            graduationEcrite(z, "X" + std::to_string(k), "A", k / 10.0, dixiemes(k), -0.9, 0.2);
        }
        quadrillage(z, "q1", "O", "A0", "B", 50, 1, grisClair);
        quadrillage(z, "q2", "O", "X1", "B", 10, 1, argent);
    } else {
        point(z, "B1", "1", -5, 5, -1.5, -0.5, bleu, 0);
        cacher(z, pointSurDroite(z, "B0", "O", "B", 0.02, 0, 0, noir));
        const int derniere = tan ? 14 : 9;
        for (int k = 1; k <= derniere; ++k) {
            if (k != 10) {
                graduationEcrite(z, "Y" + std::to_string(k), "B", k / 10.0, dixiemes(k), -2.6,
                                 -0.5);
            }
        }
        quadrillage(z, "q1", "O", "A", "B0", 1, tan ? 80 : 50, grisClair);
        quadrillage(z, "q2", "O", "A", "Y1", 1, tan ? 17 : 10, argent);
    }
    arcAngle(z, "arc1", "O", "A", "B", vert, 1, 1);
    rapporteur(z);

    pointSurCercle(z, "M", "O", "A", 0, 90, 0, 50, 0, 0, rouge);
    changerEtiquette(z, "M", "");
    switch (r) {
    case Trapport::cosinus:
        cacher(z, droiteParPoints(z, "O", "A", noir, 1, 1));
        cacher(z, perpendiculaire(z, "D1", "M", "(OA)", noir, 1, 1));
        cacher(z, pointIntersectionDroites(z, "N", "D1", "(OA)", 0, 0, noir));
        segment(z, "M", "N", rouge, 1, 1);
        break;
    case Trapport::sinus:
        cacher(z, droiteParPoints(z, "O", "B", noir, 1, 1));
        cacher(z, perpendiculaire(z, "D1", "M", "(OB)", noir, 1, 1));
        cacher(z, pointIntersectionDroites(z, "N", "D1", "(OB)", 0, 0, noir));
        segment(z, "M", "N", rouge, 1, 1);
        break;
    case Trapport::tangente:
        cacher(z, pointCache(z, "D", noir, 5, 5));
        droiteParPoints(z, "A", "D", bleu, 1, 1);
        cacher(z, droiteParPoints(z, "O", "M", noir, 1, 1));
        cacher(z, pointIntersectionDroites(z, "T", "(OM)", "(AD)", 0, 0, rouge));
        cacher(z, droiteParPoints(z, "O", "B", noir, 1, 1));
        cacher(z, perpendiculaire(z, "D1", "T", "(OB)", noir, 1, 1));
        cacher(z, pointIntersectionDroites(z, "N", "D1", "(OB)", 0, 0, noir));
        segment(z, "T", "N", rouge, 1, 1);
        segment(z, "O", "T", rouge, 1, 1);
        break;
    }

    // Le cadre de lecture, dans le coin haut droit de la zone : « cos  50°  ≈  0,643 » sur
    // une ligne, la mesure de l'angle entre le nom du rapport et le signe.
    const double x0 = tan ? 5.2 : 2;
    const double x1 = tan ? 10.2 : 6.4;
    const double y0 = tan ? 7.3 : 3.5;
    const double y1 = tan ? 9.2 : 5.5;
    cacher(z, pointCache(z, "w1", noir, x0, y0));
    cacher(z, pointCache(z, "w2", noir, x0, y1));
    cacher(z, pointCache(z, "w3", noir, x1, y0));
    cacher(z, pointCache(z, "w4", noir, x1, y1));
    remplir(z, polygone(z, "cad1", "w1 w2 w4 w3", noir), blanc);
    polygone(z, "cad2", "w1 w2 w4 w3", noir);
    // Les étiquettes de taille 14 se décalent en largeurs (14 pixels) et hauteurs (18) de
    // caractère : la mesure de l'angle, portée par O, est décalée jusqu'à la ligne du cadre.
    const double ligne = (y0 + y1) / 2;
    const double x3 = x0 + 0.3;
    const double pixelsX = xEcran(z, x3) + 27 - xEcran(z, -5);
    const double pixelsY = yEcran(z, ligne) - yEcran(z, -5);
    mesureAngleAffichee(z, "ma", "O", "A", "M", 0, pixelsX / 14, pixelsY / 18 - 0.5, noir);
    cacher(z, pointCache(z, "P", noir, x3 + 80 / z.echelle, ligne));
    cacher(z, pointAffine(z, "P0", "P", "N", "O", 1, -1, 0, 0, noir));
    cacher(z, pointSurDroite(z, "P1", "P", "P0", 0.05, 0, 0, noir));
    cacher(z, pointSurDroite(z, "P2", "P", "P0", -0.05, 0, 0, noir));
    mesureLongueur(z, "dis1", "P1", "P2", 3, 0, -0.5, bleu);
    modeEtiquette(z, "dis1", 2);
    point(z, "P3",
          r == Trapport::cosinus ? "cos      $="
          : r == Trapport::sinus ? "sin      $="
                                 : "tan      $=",
          x3, ligne, 0, -0.5, noir, 0);
    for (const char* nom : {"dis1", "P3", "ma"}) {
        tailleEtiquette(z, nom, 14);
    }
}

void texteQuart(TdonneesCommunes& d, std::initializer_list<const char*> lignes) {
    ecrireExplication(*d.zoneTexteImagiciel, 23, lignes);
    ecrireAction(*d.zoneTexteImagiciel, 18, "Le point du cercle", "peut être déplacé.");
}

} // namespace

void construire1510(TdonneesCommunes& d) {
    annoncer(d, "Cosinus dans un quart de cercle de rayon 1", 10, 0);
    construireQuart(d, Trapport::cosinus);
    texteQuart(d, {"A l'angle aigu, correspond", "un point du quart de cercle.",
                   "Le cosinus de l'angle", "est l'abscisse de ce point."});
}

void construire1511(TdonneesCommunes& d) {
    annoncer(d, "Sinus dans un quart de cercle de rayon 1", 10, 0);
    construireQuart(d, Trapport::sinus);
    texteQuart(d, {"A l'angle aigu, correspond", "un point du quart de cercle.",
                   "Le sinus de l'angle est", "l'ordonnée de ce point."});
}

void construire1512(TdonneesCommunes& d) {
    annoncer(d, "Tangente dans un quart de cercle de rayon 1", 10, 0);
    construireQuart(d, Trapport::tangente);
    texteQuart(d, {"A l'angle aigu, correspond", "un point de la tangente au",
                   "quart de cercle parallèle", "à l'axe des ordonnées.", "La tangente de l'angle",
                   "est l'ordonnée de ce point."});
}

} // namespace imagiciels
