// L'illustration « Du patron au cône » (1513) : le secteur du patron, dont on règle l'angle
// en déplaçant M sur son arc, le disque de base dont le périmètre vaut la longueur de l'arc,
// et le cône qu'ils forment, dessiné en perspective (base en ellipse).

#include "content/imagiciels/etapes.h"
#include "core/donneescommunes.h"
#include "display/figures/figures.h"
#include "display/zones/zoneaffichage.h"

namespace imagiciels {

void construire1513(TdonneesCommunes& d) {
    annoncer(d, "Du patron au cône", 12, 0);
    TzoneAffichage& z = placerFigure(d, 5, 55, 772, 440);

    // Le patron : le secteur de sommet S (O2) et de rayon O2A2, d'angle réglé par M.
    point(z, "O2", "S", 5, 1.5, -1.4, 0.1, noir, 5);
    point(z, "A2", "A", 8, 1.5, 0.6, -0.5, noir, 5);
    cacher(z, pointSurDroite(z, "A3", "O2", "A2", -1, 0, 0, noir));
    pointSurCercle(z, "M", "O2", "A3", -170, 140, 0, -85, 0, 0, bleu);
    changerEtiquette(z, "M", "");
    remplir(z, arcAngle(z, "sect", "O2", "A2", "M", noir, 1, 1), vertPale);
    arcAngle(z, "arc1", "O2", "A2", "M", vert, 1, 1);

    // Le disque de base à plat : son rayon est celui dont le périmètre vaut l'arc.
    point(z, "O3", "O", -2, 0, -0.4, 0.2, noir, 5);
    cacher(z, pointAffine(z, "A4", "A2", "O3", "O2", 1, -1, 0, 0, noir));
    rayonDeveloppe(z, "R2", "O3", "A4", "arc1", 0.3, -0.5, noir);
    changerEtiquette(z, "R2", "A");
    remplir(z, cercle(z, "c3", "O3", "R2", noir, 1, 1), jauneClair);
    cercle(z, "c3b", "O3", "R2", vert, 1, 1);

    // Le cône : base de centre O1 et de rayon O3R2, sommet S à la distance O2A2 de R1.
    point(z, "O1", "O", -5.7, -0.2, -0.4, 0.1, noir, 5);
    pointAffine(z, "R1", "O1", "R2", "O3", 1, -1, 0.4, -0.2, noir);
    changerEtiquette(z, "R1", "A");
    cacher(z, segment(z, "O2", "A2", rouge, 1, 2));
    cacher(z, perpendiculaire(z, "pS", "O1", "[O2A2]", noir, 1, 1));
    cacher(z, pointAffine(z, "T1", "R1", "A2", "O2", 1, -1, 0, 0, noir));
    cacher(z, cercle(z, "cS", "R1", "T1", noir, 1, 1));
    pointIntersectionDroiteCercle(z, "S", "pS", "cS", -0.4, -1.3, noir);
    // L'ellipse de base : demi-axe vertical le quart du rayon.
    cacher(z, pointTourne(z, "Q", "O1", "R1", 90, 0, 0, noir));
    cacher(z, pointSurDroite(z, "Q4", "O1", "Q", 0.25, 0, 0, noir));
    cacher(z, quatriemeSommet(z, "E", "O1", "R1", "Q4", 0, 0, noir));
    // Les génératrices touchent l'ellipse en J1, J2 : images, par l'affinité verticale de
    // rapport 1/4, des points de contact des tangentes au cercle de base menées du point S'
    // (l'antécédent de S), trouvés sur le cercle de diamètre [O1S'].
    cacher(z, pointSurDroite(z, "S4", "O1", "S", 4, 0, 0, noir));
    cacher(z, milieu(z, "W", "O1", "S4", 0, 0, noir));
    cacher(z, cercle(z, "cW", "W", "O1", noir, 1, 1));
    cacher(z, cercle(z, "cB", "O1", "R1", noir, 1, 1));
    cacher(z, pointIntersectionCercles(z, "T2", "cB", "cW", 0, 0, noir));
    cacher(z, pointIntersectionCercles(z, "T3", "cW", "cB", 0, 0, noir));
    cacher(z, droiteParPoints(z, "O1", "R1", noir, 1, 1));
    cacher(z, perpendiculaire(z, "h2", "T2", "(O1R1)", noir, 1, 1));
    cacher(z, perpendiculaire(z, "h3", "T3", "(O1R1)", noir, 1, 1));
    cacher(z, pointIntersectionDroites(z, "F2", "h2", "(O1R1)", 0, 0, noir));
    cacher(z, pointIntersectionDroites(z, "F3", "h3", "(O1R1)", 0, 0, noir));
    cacher(z, pointSurDroite(z, "J1", "F2", "T2", 0.25, 0, 0, noir));
    cacher(z, pointSurDroite(z, "J2", "F3", "T3", 0.25, 0, 0, noir));
    const int base = ellipse(z, "el", "O1", "E", 1, noir, 1, 1);
    remplir(z, base, jauneClair);
    remplir(z, polygone(z, "tri", "S J1 J2", noir), vertPale);
    ellipse(z, "elb", "O1", "E", 1, vert, 1, 1);
    polygone(z, "trib", "S J1 J2", vert);

    // Les longueurs égales : même couleur.
    montrerObjet(z, "[O2A2]");
    segment(z, "S", "R1", rouge, 1, 2);
    segment(z, "O2", "M", rouge, 1, 2);
    segment(z, "O1", "R1", bleu, 1, 1);
    segment(z, "O3", "R2", bleu, 1, 1);
    segment(z, "S", "O1", noir, 3, 1);

    ajouterCadre(z, 10, 0.5, 20.3, 50, 3.2);
    ecrireLigne(z, "Le point bleu sur l'arc peut être déplacé avec la souris.", 22);
    ecrireLigne(z, "Les lignes de même couleur ont la même longueur.", 23);
}

} // namespace imagiciels
