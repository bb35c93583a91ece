// Les illustrations des transformations (1501 à 1504) : symétrie axiale, symétrie centrale,
// translation et rotation d'un cercle, d'un triangle et d'une demi-droite.

#include "content/imagiciels/etapes.h"
#include "core/donneescommunes.h"
#include "display/figures/figures.h"
#include "display/zones/zoneaffichage.h"

#include <functional>
#include <string>
#include <tuple>

namespace imagiciels {

namespace {

// Un point bleu déplaçable, sans étiquette, de la taille donnée.
void pointBleu(TzoneAffichage& z, Tnom nom, double x, double y, int taille) {
    point(z, nom, "", x, y, 0, 0, bleu, taille);
    rendreMobile(z, nom);
}

// Le triangle ABC, son cercle circonscrit de centre O1 et leurs images A', B', C', O1' par
// `image` (qui construit un point caché de nom donné à partir d'un point de la figure) ;
// les remplissages, puis les contours et les demi-droites [AB) et [A'B') en rouge.
void figureEtImage(TzoneAffichage& z, const std::function<void(Tnom, Tnom)>& image,
                   const std::function<void()>& avantContours) {
    cacher(z, droiteParPoints(z, "A", "B", noir, 1, 1));
    cacher(z, droiteParPoints(z, "A", "C", noir, 1, 1));
    cacher(z, milieu(z, "I", "A", "B", 0, 0, noir));
    cacher(z, milieu(z, "J", "A", "C", 0, 0, noir));
    cacher(z, perpendiculaire(z, "p1", "I", "(AB)", noir, 1, 1));
    cacher(z, perpendiculaire(z, "p2", "J", "(AC)", noir, 1, 1));
    cacher(z, pointIntersectionDroites(z, "O1", "p1", "p2", 0, 0, noir));
    remplir(z, cercle(z, "c1", "O1", "A", noir, 1, 1), jaunePale);
    remplir(z, polygone(z, "t1", "A B C", noir), citron);
    for (const char* p : {"A", "B", "C", "O1"}) {
        image(std::string(p) + "'", p);
    }
    remplir(z, cercle(z, "c2", "O1'", "A'", noir, 1, 1), jaunePale);
    remplir(z, polygone(z, "t2", "A' B' C'", noir), citron);
    cercle(z, "c1b", "O1", "A", olive, 1, 1);
    cercle(z, "c2b", "O1'", "A'", olive, 1, 1);
    polygone(z, "t1b", "A B C", vert);
    polygone(z, "t2b", "A' B' C'", vert);
    avantContours();
    demiDroite(z, "A", "B", rouge, 1, 2);
    demiDroite(z, "A'", "B'", rouge, 1, 2);
}

// Le texte des trois premières illustrations.
void texteIllustration(TdonneesCommunes& d, std::string_view premiere, std::string_view seconde,
                       double derniere) {
    TzoneAffichage& t = *d.zoneTexteImagiciel;
    ecrireLigne(t, premiere, 1.5);
    ecrireLigne(t, seconde, 2.5);
    // 55 colonnes plutôt que 52 : la dernière ligne y tient entière.
    ajouterCadre(t, 10, 0, 3.5, 55, 2);
    ecrireLigne(t, "Les points marqués en bleu peuvent être déplacés avec la souris.", derniere);
}

const char* const observerSymetrique =
    "On peut observer le symétrique d'un cercle, d'un triangle, et d'une demi-droite.";

} // namespace

void construire1501(TdonneesCommunes& d) {
    annoncer(d, "Illustration de la symétrie axiale", 0, 0);
    TzoneAffichage& z = placerFigure(d, 110, 163, 600, 300);
    pointEtiquete(z, "O", noir, 0, 0, 0.6, -0.2);
    pointBleu(z, "i", 0, 1, 5);
    droiteParPoints(z, "O", "i", noir, 1, 1);
    pointBleu(z, "A", -8, 1, 7);
    pointBleu(z, "B", -2, -2, 7);
    pointBleu(z, "C", -4, 4, 7);
    figureEtImage(
        z, [&](Tnom image, Tnom p) { cacher(z, symetriqueAxe(z, image, "(Oi)", p, 0, 0, noir)); },
        [&] {
            cacher(z, pointSurDroite(z, "i2", "O", "i", 1, 0, 0, noir));
            droiteParPoints(z, "O", "i2", noir, 1, 1);
        });
    texteIllustration(d, "Cette figure admet la droite noire comme axe de symétrie.",
                      observerSymetrique, 5.1);
}

void construire1502(TdonneesCommunes& d) {
    annoncer(d, "Illustration de la symétrie centrale", 0, 0);
    TzoneAffichage& z = placerFigure(d, 110, 163, 600, 300);
    pointEtiquete(z, "O", noir, 0, 0, 0.6, -0.2);
    pointBleu(z, "A", -8, 1, 7);
    pointBleu(z, "B", -3, -3, 7);
    pointBleu(z, "C", -4, 4, 7);
    figureEtImage(
        z, [&](Tnom image, Tnom p) { cacher(z, pointSurDroite(z, image, "O", p, -1, 0, 0, noir)); },
        [] {});
    texteIllustration(d, "Cette figure admet le point O comme centre de symétrie.",
                      observerSymetrique, 5);
}

void construire1503(TdonneesCommunes& d) {
    annoncer(d, "Illustration de la translation", 13, 0);
    TzoneAffichage& z = placerFigure(d, 110, 163, 600, 300);
    pointBleu(z, "A", -8, 1, 7);
    pointBleu(z, "B", -3, -3, 7);
    pointBleu(z, "C", -4, 4, 7);
    pointBleu(z, "M", -8, -3, 7);
    pointBleu(z, "N", 1, -4, 7);
    changerEtiquette(z, "M", "M");
    changerEtiquette(z, "N", "N");
    decalerEtiquette(z, "M", -1.8, -0.4);
    decalerEtiquette(z, "N", 0.8, -0.4);
    figureEtImage(
        z,
        [&](Tnom image, Tnom p) {
            cacher(z, pointAffine(z, image, p, "N", "M", 1, -1, 0, 0, noir));
        },
        [] {});
    segment(z, "M", "N", noir, 6, 2);
    pointAffine(z, "G1", "A", "B", "C", 1.0 / 3, 1.0 / 3, -0.3, -0.5, noir);
    changerEtiquette(z, "G1", "$g1$N");
    changerTaille(z, "G1", 0);
    pointAffine(z, "G2", "G1", "N", "M", 1, -1, -0.3, -0.5, noir);
    changerEtiquette(z, "G2", "$g2$N");
    changerTaille(z, "G2", 0);
    texteIllustration(
        d, "La figure 2 est l'image de la figure 1 par la translation de vecteur $5MN$1.",
        "On peut observer l'image d'un cercle, d'un triangle, et d'une demi-droite.", 5);
}

void construire1504(TdonneesCommunes& d) {
    annoncer(d, "Illustration de la rotation", 15, 0);
    TzoneAffichage& z = placerFigure(d, 315, 60, 430, 430);
    pointEtiquete(z, "O", noir, 0, 0, -1.6, -0.2);
    cacher(z, pointCache(z, "M0", noir, 4.5, 0));
    pointSurCercle(z, "M", "O", "M0", -179, 180, 0, 75, 0, 0, bleu);
    changerEtiquette(z, "M", "");
    pointBleu(z, "A", -3, 1.5, 5);
    pointBleu(z, "B", -1.7, 3, 5);
    pointBleu(z, "C", -3.5, 3.5, 5);
    for (const auto& [p, dx, dy] :
         {std::tuple{"A", -1.8, -0.5}, std::tuple{"B", 0.3, -1.3}, std::tuple{"C", -1.6, -1.2}}) {
        changerEtiquette(z, p, p);
        decalerEtiquette(z, p, dx, dy);
        const std::string image = std::string(p) + "'";
        pointTourneAngle(z, image, "O", "M0", "M", p, 0.5, -1.2, noir);
    }
    remplir(z, polygone(z, "t1", "A B C", noir), citron);
    remplir(z, polygone(z, "t2", "A' B' C'", noir), citron);
    polygone(z, "t1b", "A B C", vert);
    polygone(z, "t2b", "A' B' C'", vert);
    segment(z, "O", "M0", magenta, 1, 1);
    segment(z, "O", "M", magenta, 1, 1);
    segment(z, "O", "B", cyan, 1, 1);
    segment(z, "O", "B'", cyan, 1, 1);
    // Style 7 (pointe à la fin) plutôt que 5 (au début) : la flèche montre le sens de M0
    // vers M.
    arcAngle(z, "arc1", "O", "M0", "M", magenta, 7, 1);
    TzoneAffichage& t = *d.zoneTexteImagiciel;
    // 25,5 colonnes plutôt que 24,5 : la plus longue ligne y tient.
    ajouterCadre(t, 2, 0.5, 0.8, 25.5, 5.7);
    for (const auto& [texte, ligne] : {std::pair{"La rotation a pour centre O.", 1.5},
                                       {"son angle est matérialisé en", 2.5},
                                       {"rose sur la figure.", 3.5},
                                       {"Lorsqu'il est plat, on observe", 4.5},
                                       {"une symétrie centrale.", 5.5}}) {
        ecrireLigne(t, texte, ligne);
    }
    ecrireAction(t, 21, "Les points en bleu", "peuvent être déplacés.");
}

} // namespace imagiciels
