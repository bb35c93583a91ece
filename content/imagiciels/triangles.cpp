// Les constructions de triangles (1515 à 1518) : un côté et deux angles, deux côtés et un
// angle, les trois côtés, le cercle circonscrit par les médiatrices.

#include "content/imagiciels/etapes.h"
#include "core/donneescommunes.h"
#include "display/figures/figures.h"
#include "display/figures/marquesfigure.h"
#include "display/zones/zoneaffichage.h"

namespace imagiciels {

namespace {

// Une étiquette seule (sans point) au milieu de [ab], cachée.
void longueurEcrite(TzoneAffichage& z, Tnom nom, Tnom a, Tnom b, std::string_view texte, double dx,
                    double dy) {
    const int i = milieu(z, nom, a, b, dx, dy, noir);
    changerEtiquette(z, nom, texte);
    changerTaille(z, nom, 0);
    cacher(z, i);
}

const TtexteConstruction textes1515{
    "Construire un triangle ABC avec :  AB = $g6$N cm,  $3BAC$N = $g61°$N  et  $3ABC$N = "
    "$g43°$N.",
    {{"1 - On trace le côté [AB] de longueur 6 cm."},
     {"2 - On construit une demi-droite d'origine A formant un angle de 61° avec [AB)."},
     {"3 - On construit une demi-droite d'origine B formant un angle de 43° avec [BA)."},
     {"4 - On place C à l'intersection des deux demi-droites."},
     {"5 - On complète le tracé du triangle ABC."}},
    {{"En déplaçant le point bleu, on peut", 11},
     {"observer que le triangle n'existe pas", 12},
     {"si la somme des deux angles atteint", 13},
     {"$g180°$N.", 14},
     {"En effet, la somme des trois angles", 15.5},
     {"d'un triangle est toujours égale à", 16.5},
     {"$g180°$N.", 17.5}},
    32,
    9,
};

const TtexteConstruction textes1516{
    "Construire un triangle ABC avec :  AB = $g6$N cm, AC = $g5$N cm, $3BAC$N = $g51°$N.",
    {{"1 - On trace le côté [AB] de longueur 6 cm."},
     {"2 - On construit une demi-droite d'origine A formant un angle de 51° avec [AB)."},
     {"3 - On place sur cette demi-droite le point C à 5 cm de A."},
     {"4 - On complète le tracé du triangle ABC."}},
    {},
};

const TtexteConstruction textes1517{
    "Construire un triangle ABC avec :  AB = $g6$N cm,  AC = $g5$N cm  et  BC = $g3$N cm.",
    {{"1 - On trace le côté [AB] de longueur 6 cm."},
     {"2 - On trace un arc de cercle de centre A et de rayon AC = 5 cm."},
     {"3 - On trace un arc de cercle de centre B et de rayon BC = 3 cm."},
     {"4 - On place le point C à l'intersection des deux arcs."},
     {"5 - On complète le tracé du triangle ABC."}},
    {{"En déplaçant le point B, on peut", 11},
     {"observer que le triangle n'existe pas", 12},
     {"si on a :  AB <= 2  ou  AB >= 8.", 13},
     {"La longueur d'un côté doit être", 14.5},
     {"inférieure à la somme des longueurs", 15.5},
     {"des deux autres côtés.", 16.5}},
    32,
    8,
};

const TtexteConstruction textes1518{
    "Construire le cercle circonscrit à ce triangle.",
    {{"1 - On construit la médiatrice d'un côté (voir constructions au compas)."},
     {"2 - On construit la médiatrice d'un autre côté."},
     {"3 - On trace le cercle dont le centre est à l'intersection des médiatrices",
      "    et qui passe par les 3 sommets du triangle."}},
    {{"En déplaçant les sommets, on peut", 11},
     {"observer que le centre du cercle", 12},
     {"peut se trouver sur un côté", 13},
     {"seulement si ce triangle est rectangle.", 14},
     {"Dans un triangle rectangle, le", 15.5},
     {"centre du cercle circonscrit est", 16.5},
     {"le milieu de l'hypoténuse.", 17.5}},
    34,
    9,
};

// Le côté [AB] de 6 unités sur la base y = −3, son étiquette « 6 » dessous.
void baseSix(TzoneAffichage& z) {
    pointEtiquete(z, "A", noir, -3, -3, -1.8, -0.5);
    pointEtiquete(z, "B", noir, 3, -3, 0.7, -0.5);
    segment(z, "A", "B", vert, 1, 1);
    longueurEcrite(z, "K", "A", "B", "6", -0.4, 0.2);
}

// L'angle affiché en A de [AB) à [AP) : sa mesure et son arc.
void angleEnA(TzoneAffichage& z, Tnom p, double dx, double dy) {
    cacher(z, mesureAngleAffichee(z, "xA", "A", "B", p, 0, dx, dy, rouge));
    arcMarqueAngle(z, "mA", "A", "B", p, 0.8, rouge, 1);
    visibilite(z, "*mA", false);
}

} // namespace

void construire1515(TdonneesCommunes& d) {
    TzoneAffichage& z = commencerConstruction(
        d, "Construction d'un triangle connaissant un côté et deux angles", 6, textes1515);
    baseSix(z);
    cacher(z, pointTourne(z, "B1", "A", "B", 61, 0, 0, noir));
    cacher(z, demiDroite(z, "A", "B1", argent, 1, 1));
    angleEnA(z, "B1", 3.2, -1.3);
    const int k1 = pointSurCercle(z, "K1", "B", "A", -119, -10, 0, -43, 0, 0, bleu);
    changerEtiquette(z, "K1", "");
    cacher(z, k1);
    cacher(z, demiDroite(z, "B", "K1", argent, 1, 1));
    cacher(z, mesureAngleAffichee(z, "xB", "B", "K1", "A", 0, -5.5, -1.3, rouge));
    arcMarqueAngle(z, "mB", "B", "K1", "A", 0.8, rouge, 1);
    visibilite(z, "*mB", false);
    cacher(z, pointIntersectionDroites(z, "C", "[AB1)", "[BK1)", 0.4, -1.2, noir));
    cacher(z, segment(z, "A", "C", vert, 1, 1));
    cacher(z, segment(z, "B", "C", vert, 1, 1));
    finirConstruction(d);
}

std::vector<Tetape> etapes1515() {
    std::vector<Tetape> f(6);
    f[0].cacher = {"A", "B", "[AB]", "K"};
    f[1].montrer = {"A", "B", "[AB]", "K"};
    f[1].cacher = {"[AB1)", "xA", "*mA"};
    f[2].montrer = {"[AB1)", "xA", "*mA"};
    f[2].cacher = {"[BK1)", "xB", "*mB"};
    f[3].montrer = {"[BK1)", "xB", "*mB"};
    f[3].cacher = {"C"};
    f[4].noircir = {"B"};
    f[4].placer = {{"B", 3, -3}, {"K1", -43, 0}};
    f[4].cacher = {"[AC]", "[BC]", "K1"};
    f[4].montrer = {"C"};
    f[5].montrer = {"[AC]", "[BC]", "K1"};
    f[5].bleuir = {"B"};
    return joindre(etapesTexte(textes1515), f);
}

void construire1516(TdonneesCommunes& d) {
    TzoneAffichage& z = commencerConstruction(
        d, "Construction d'un triangle connaissant deux côtés et un angle", 5, textes1516);
    baseSix(z);
    cacher(z, pointCache(z, "C0", noir, 2, -3));
    const int c = pointTourne(z, "C", "A", "C0", 51, 0.2, -1.2, noir);
    cacher(z, c);
    cacher(z, demiDroite(z, "A", "C", argent, 1, 1));
    angleEnA(z, "C", 3.2, -1.3);
    marqueAngle(z, "arcC", "A", "C", 20);
    cacherObjet(z, "arcC");
    longueurEcrite(z, "K5", "A", "C", "5", -1.6, -1.0);
    cacher(z, segment(z, "A", "C", vert, 1, 1));
    cacher(z, segment(z, "B", "C", vert, 1, 1));
    finirConstruction(d);
}

std::vector<Tetape> etapes1516() {
    std::vector<Tetape> f(5);
    f[0].cacher = {"A", "B", "[AB]", "K"};
    f[1].montrer = {"A", "B", "[AB]", "K"};
    f[1].cacher = {"[AC)", "xA", "*mA"};
    f[2].montrer = {"[AC)", "xA", "*mA"};
    f[2].cacher = {"C", "arcC", "K5"};
    f[3].montrer = {"C", "arcC", "K5"};
    f[3].cacher = {"[AC]", "[BC]"};
    f[4].montrer = {"[AC]", "[BC]"};
    return joindre(etapesTexte(textes1516), f);
}

void construire1517(TdonneesCommunes& d) {
    annoncer(d, "Construction d'un triangle connaissant les trois côtés", 0, 6);
    TzoneAffichage& z = placerFigure(d, 340, 193, 420, 270);
    z.echelle = z.hauteur / 7.0;
    bornesZone(z);
    ecrireConstruction(*d.zoneTexteImagiciel, textes1517);
    pointEtiquete(z, "A", noir, -4, -2, -1.8, -0.5);
    cacher(z, pointCache(z, "A1", noir, 1, -2));
    cacher(z, pointTourne(z, "A2", "A", "A1", 85, 0, 0, noir));
    cacher(z, pointTourne(z, "A3", "A", "A1", 45, 0, 0, noir));
    longueurEcrite(z, "I", "A", "A3", "5", -1.6, -1.1);
    cacher(z, segment(z, "A", "A3", argent, 3, 1));
    cacher(z, arcAngle(z, "arc1", "A", "A1", "A2", argent, 1, 1));
    pointSurSegmentHorizontal(z, "B", noir, 2, -2, -3, 5, 0.1, 0.7, -0.5);
    rendreFixe(z, "B");
    segment(z, "A", "B", vert, 1, 1);
    cacher(z, cercle(z, "C1", "A", "A1", bleu, 1, 1));
    cacher(z, pointCache(z, "A4", noir, -7, -2));
    cacher(z, pointAffine(z, "B1", "A4", "B", "A", 1, -1, 0, 0, noir));
    cacher(z, pointAffine(z, "B2", "A", "B", "A4", 1, -1, 0, 0, noir));
    cacher(z, arcAngle(z, "arc2", "B", "B2", "B1", argent, 1, 1));
    cacher(z, pointTourne(z, "B3", "B", "B2", 100, 0, 0, noir));
    cacher(z, segment(z, "B", "B3", argent, 3, 1));
    longueurEcrite(z, "J", "B", "B3", "3", 0.6, -0.9);
    longueurEcrite(z, "K", "A", "B", "6", -0.4, 0.2);
    cacher(z, cercle(z, "C2", "B", "B1", bleu, 1, 1));
    cacher(z, pointIntersectionCercles(z, "C", "C1", "C2", -0.3, -1.3, noir));
    cacher(z, segment(z, "A", "C", vert, 1, 1));
    cacher(z, segment(z, "B", "C", vert, 1, 1));
    cacher(z, mesureLongueur(z, "K2", "A", "B", 1, -1.1, 0.2, noir));
    modeEtiquette(z, "K2", 2);
    finirConstruction(d);
}

std::vector<Tetape> etapes1517() {
    std::vector<Tetape> f(6);
    f[0].cacher = {"A", "B", "[AB]", "K"};
    f[1].cacher = {"[AA3]", "arc1", "I"};
    f[1].montrer = {"A", "B", "[AB]", "K"};
    f[2].montrer = {"[AA3]", "arc1", "I"};
    f[2].cacher = {"[BB3]", "J", "arc2", "K"};
    f[3].montrer = {"[BB3]", "arc2", "J"};
    f[3].cacher = {"I", "C", "[AA3]"};
    f[4].noircir = {"B"};
    f[4].placer = {{"B", 2, -2}};
    f[4].cacher = {"J", "K2", "[AC]", "[BC]", "[BB3]"};
    f[4].montrer = {"C"};
    f[5].montrer = {"[AC]", "[BC]", "K2"};
    f[5].bleuir = {"B"};
    return joindre(etapesTexte(textes1517), f);
}

void construire1518(TdonneesCommunes& d) {
    TzoneAffichage& z =
        commencerConstruction(d, "Construction du cercle circonscrit à un triangle", 4, textes1518);
    // Vue resserrée : le cercle circonscrit de départ (centre (0,76 ; 1,39), rayon 4,46)
    // tient entier dans la zone.
    z.echelle *= 0.8;
    bornesZone(z);
    pointEtiquete(z, "A", noir, -3, -1, -1.8, -0.5);
    pointEtiquete(z, "B", noir, 0, -3, -0.4, 0.2);
    pointEtiquete(z, "C", noir, 5, 0, 0.7, -0.5);
    segment(z, "A", "B", vert, 1, 1);
    segment(z, "B", "C", vert, 1, 1);
    segment(z, "A", "C", vert, 1, 1);
    cacher(z, milieu(z, "I", "A", "B", 0, 0, noir));
    cacher(z, milieu(z, "J", "B", "C", 0, 0, noir));
    cacher(z, mediatrice(z, "m1", "A", "B", argent, 1, 1));
    cacher(z, mediatrice(z, "m2", "B", "C", argent, 1, 1));
    cacher(z, pointIntersectionDroites(z, "O", "m1", "m2", 0.4, -1.1, magenta));
    angleDroit(z, "ad1", "I", "B", "O", 0.25, argent, 0);
    angleDroit(z, "ad2", "J", "C", "O", 0.25, argent, 0);
    codageSegment(z, "k1", "A", "I", 0.25, argent, 1);
    codageSegment(z, "k2", "I", "B", 0.25, argent, 1);
    codageSegment(z, "k3", "B", "J", 0.25, argent, 2);
    codageSegment(z, "k4", "J", "C", 0.25, argent, 2);
    for (const char* m : {"*ad1", "*ad2", "*k1", "*k2", "*k3", "*k4"}) {
        visibilite(z, m, false);
    }
    cacher(z, cercle(z, "C1", "O", "A", magenta, 1, 1));
    finirConstruction(d);
}

std::vector<Tetape> etapes1518() {
    std::vector<Tetape> f(4);
    f[0].cacher = {"m1", "*ad1", "*k1", "*k2"};
    f[1].montrer = {"m1", "*ad1", "*k1", "*k2"};
    f[1].cacher = {"m2", "*ad2", "*k3", "*k4"};
    f[2].montrer = {"m2", "*ad2", "*k3", "*k4"};
    f[2].cacher = {"O", "C1"};
    f[3].montrer = {"O", "C1"};
    f[3].bleuir = {"A", "B", "C"};
    return joindre(etapesTexte(textes1518), f);
}

} // namespace imagiciels
