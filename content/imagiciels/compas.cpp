// Les cinq constructions au compas (1520 à 1524) : parallèle, symétrique et perpendiculaire,
// médiatrice et milieu, médiatrice et bissectrice avec un losange.

#include "content/imagiciels/etapes.h"
#include "core/donneescommunes.h"
#include "display/figures/figures.h"
#include "display/figures/marquesfigure.h"
#include "display/zones/zoneaffichage.h"

namespace imagiciels {

namespace {

// Un point déplaçable de la dernière étape : bleu, mobile, caché jusque-là.
void pointBleuCache(TzoneAffichage& z, Tnom nom, double x, double y) {
    pointCache(z, nom, bleu, x, y);
    rendreMobile(z, nom);
    cacherObjet(z, nom);
}

// Un point fixe noir sans étiquette, qui deviendra bleu et déplaçable.
void pointNoir(TzoneAffichage& z, Tnom nom, double x, double y) {
    pointCache(z, nom, noir, x, y);
    rendreFixe(z, nom);
}

std::vector<Tligne> noteConservation(std::string fin) {
    return {{"Vous pouvez déplacer les points", 11},
            {"bleus et observer la conservation", 12},
            {std::move(fin), 13}};
}

// Le pied H de la perpendiculaire à (BC) issue de A, le point D au-delà de la droite
// (AD = 1,3 AH), le cercle de centre A par D et ses deux points E et F sur (BC).
void coupeDroite(TzoneAffichage& z) {
    cacher(z, droiteParPoints(z, "B", "C", noir, 1, 1));
    cacher(z, perpendiculaire(z, "p1", "A", "(BC)", noir, 1, 1));
    cacher(z, pointIntersectionDroites(z, "H", "p1", "(BC)", 0, 0, noir));
    cacher(z, pointSurDroite(z, "D", "A", "H", 1.3, 0, 0, noir));
    cacher(z, cercle(z, "cA", "A", "D", noir, 1, 1));
    cacher(z, pointIntersectionDroiteCercle(z, "E", "(BC)", "cA", 0, 0, noir));
    cacher(z, pointSurDroite(z, "F", "H", "E", -1, 0, 0, noir));
}

void losange(TzoneAffichage& z, Tnom sommets) {
    const int i = polygone(z, "losa", sommets, vertPale);
    changerRemplissage(z, "losa", 1);
    cacher(z, i);
}

// 1520
const TtexteConstruction textes1520{
    "Construire la parallèle à la droite passant par le point.",
    {{"1 - On coupe la droite d'un arc de cercle centré sur le point."},
     {"2 - Du point obtenu, on recoupe la droite d'un arc de même rayon."},
     {"3 - De ce point, on trace un troisième arc de même rayon."},
     {"4 - Puis du point initial un quatrième arc."},
     {"5 - On obtient la parallèle, ayant construit un losange."}},
    noteConservation("du parallélisme."),
};

// 1521
const TtexteConstruction textes1521{
    "Construire le symétrique du point par rapport à la droite.",
    {{"1 - On coupe la droite d'un arc de cercle centré sur le point."},
     {"2 - Des points obtenus, on trace deux autres arcs de même rayon que le premier."},
     {"3 - Ayant construit un losange, on obtient à la fois le symétrique du point par",
      "     rapport à la droite et la perpendiculaire à la droite passant par le point."}},
    noteConservation("de l'orthogonalité."),
};

// 1522
const TtexteConstruction textes1522{
    "Construire la médiatrice du segment [AB].",
    {{"1 - On trace un arc de cercle de centre A."},
     {"2 - On trace un arc de même rayon et de centre B."},
     {"3 - On construit de même un autre point équidistant de A et B."},
     {"4 - On trace la médiatrice passant par ces deux points.",
      "    La médiatrice coupe [AB] en son milieu et elle est",
      "    perpendiculaire à la droite (AB)."}},
    {},
};

// 1523
const TtexteConstruction textes1523{
    "Construire la médiatrice du segment.",
    {{"1 - On trace un arc centré sur une extrémité."},
     {"2 - Puis un arc de même rayon centré sur l'autre."},
     {"3 - On obtient la médiatrice, ayant construit un losange."}},
    noteConservation("du losange."),
};

// 1524
const TtexteConstruction textes1524{
    "Construire la bissectrice de l'angle.",
    {{"1 - On coupe les côtés par un arc de cercle centré sur le sommet."},
     {"2 - Des points obtenus, on trace deux autres arcs de même rayon que le premier."},
     {"3 - On obtient la bissectrice, ayant construit un losange."}},
    noteConservation("de la bissectrice."),
};

} // namespace

void construire1520(TdonneesCommunes& d) {
    TzoneAffichage& z =
        commencerConstruction(d, "Construction d'une parallèle avec un losange", 6, textes1520);
    pointNoir(z, "A", -1, 2);
    pointBleuCache(z, "B", -3, -3);
    pointBleuCache(z, "C", 3, -2);
    coupeDroite(z);
    cacher(z, reportLongueur(z, "G", "F", "H", "A", "D", 0, 0, noir));
    cacher(z, quatriemeSommet(z, "M", "F", "G", "A", 0, 0, noir));
    losange(z, "A F G M");
    droiteParPoints(z, "F", "G", noir, 1, 1);
    for (const auto& [nom, o, m] : {std::tuple{"a1", "A", "F"}, std::tuple{"a2", "F", "G"},
                                    std::tuple{"a3", "G", "M"}, std::tuple{"a4", "A", "M"}}) {
        marqueAngle(z, nom, o, m, 30);
        cacherObjet(z, nom);
    }
    cacher(z, droiteParPoints(z, "A", "M", magenta, 1, 2));
    finirConstruction(d);
}

std::vector<Tetape> etapes1520() {
    std::vector<Tetape> f(6);
    f[0].cacher = {"a1"};
    f[1].montrer = {"a1"};
    f[1].cacher = {"a2"};
    f[2].montrer = {"a2"};
    f[2].cacher = {"a3"};
    f[3].montrer = {"a3"};
    f[3].cacher = {"a4"};
    f[4].montrer = {"a4"};
    f[4].noircir = {"A"};
    f[4].placer = {{"A", -1, 2}, {"B", -3, -3}, {"C", 3, -2}};
    f[4].cacher = {"losa", "(AM)", "B", "C"};
    f[5].montrer = {"losa", "(AM)", "B", "C"};
    f[5].bleuir = {"A", "B", "C"};
    return joindre(etapesTexte(textes1520), f);
}

void construire1521(TdonneesCommunes& d) {
    TzoneAffichage& z = commencerConstruction(
        d, "Construction du symétrique (axial) avec un losange", 4, textes1521);
    pointNoir(z, "A", -1, 2);
    pointBleuCache(z, "B", -3, -1);
    pointBleuCache(z, "C", 3, 0);
    coupeDroite(z);
    cacher(z, pointAffine(z, "M", "A", "E", "F", 1, 1, 0, 0, noir));
    losange(z, "A F M E");
    droiteParPoints(z, "E", "F", noir, 1, 1);
    marqueAngle(z, "a1", "A", "D", 90);
    marqueAngle(z, "a2", "E", "M", 30);
    marqueAngle(z, "a3", "F", "M", 30);
    for (const char* nom : {"a1", "a2", "a3"}) {
        cacherObjet(z, nom);
    }
    cacher(z, droiteParPoints(z, "A", "M", magenta, 1, 2));
    finirConstruction(d);
}

std::vector<Tetape> etapes1521() {
    std::vector<Tetape> f(4);
    f[0].cacher = {"a1"};
    f[1].montrer = {"a1"};
    f[1].cacher = {"a2", "a3"};
    f[2].montrer = {"a2", "a3"};
    f[2].noircir = {"A"};
    f[2].placer = {{"A", -1, 2}, {"B", -3, -1}, {"C", 3, 0}};
    f[2].cacher = {"losa", "(AM)", "B", "C"};
    f[3].montrer = {"losa", "(AM)", "B", "C"};
    f[3].bleuir = {"A", "B", "C"};
    return joindre(etapesTexte(textes1521), f);
}

namespace {

// Un arc de centre o et de rayon k·|o autre|, des angles debut à fin comptés depuis la
// direction de o vers l'autre extrémité, son rayon pointillé vers le point p où il coupe
// l'arc jumeau, et le codage de ce rayon.
void arcMediatrice(TzoneAffichage& z, const std::string& nom, Tnom o, Tnom autre, double k,
                   double debut, double fin, Tnom p, int codage) {
    const std::string r = nom + "r";
    cacher(z, pointSurDroite(z, r, o, autre, k, 0, 0, noir));
    cacher(z, pointTourne(z, nom + "d", o, r, debut, 0, 0, noir));
    cacher(z, pointTourne(z, nom + "f", o, r, fin, 0, 0, noir));
    cacher(z, arcAngle(z, nom, o, nom + "d", nom + "f", argent, 1, 1));
    cacher(z, segment(z, o, p, argent, 3, 1));
    codageSegment(z, "k" + nom, o, p, 0.25, argent, codage);
    visibilite(z, "*k" + nom, false);
}

} // namespace

void construire1522(TdonneesCommunes& d) {
    TzoneAffichage& z = commencerConstruction(
        d, "Construction de la médiatrice et du milieu d'un segment", 5, textes1522);
    // Vue agrandie et centrée sur la construction (x de −3,5 à 1,5, y de −3,2 à 2,8) : les
    // arcs, les rayons et les codages restent lisibles.
    z.echelle *= 1.4;
    z.origineX = z.largeur / 2.0 + 1 * z.echelle;
    z.origineY = z.hauteur / 2.0 - 0.2 * z.echelle;
    bornesZone(z);
    pointEtiquete(z, "A", noir, -3, -1, -1.6, -0.4);
    pointEtiquete(z, "B", noir, 0, -3, 0.6, -0.2);
    segment(z, "A", "B", vert, 1, 1);
    // Les cercles d'où viennent les deux points équidistants P et Q.
    for (const auto& [nom, k] : {std::pair{"1", 1.4}, std::pair{"2", 0.9}}) {
        const std::string n(nom);
        cacher(z, pointSurDroite(z, "RA" + n, "A", "B", k, 0, 0, noir));
        cacher(z, pointSurDroite(z, "RB" + n, "B", "A", k, 0, 0, noir));
        cacher(z, cercle(z, "cA" + n, "A", "RA" + n, noir, 1, 1));
        cacher(z, cercle(z, "cB" + n, "B", "RB" + n, noir, 1, 1));
    }
    cacher(z, pointIntersectionCercles(z, "P", "cA1", "cB1", 0, 0, noir));
    cacher(z, pointIntersectionCercles(z, "Q", "cA2", "cB2", 0, 0, noir));
    arcMediatrice(z, "arcA1", "A", "B", 1.4, 60, 80, "P", 1);
    arcMediatrice(z, "arcB1", "B", "A", 1.4, -80, -60, "P", 1);
    arcMediatrice(z, "arcA2", "A", "B", 0.9, 45, 70, "Q", 2);
    arcMediatrice(z, "arcB2", "B", "A", 0.9, -70, -45, "Q", 2);
    cacher(z, milieu(z, "I", "A", "B", 0, 0, noir));
    cacher(z, droiteParPoints(z, "P", "Q", bleu, 1, 1));
    angleDroit(z, "ad", "I", "B", "P", 0.25, noir, 0);
    codageSegment(z, "kI1", "A", "I", 0.25, noir, 4);
    codageSegment(z, "kI2", "I", "B", 0.25, noir, 4);
    for (const char* m : {"*ad", "*kI1", "*kI2"}) {
        visibilite(z, m, false);
    }
    finirConstruction(d);
}

std::vector<Tetape> etapes1522() {
    std::vector<Tetape> f(5);
    f[0].cacher = {"arcA1", "[AP]", "*karcA1"};
    f[1].montrer = {"arcA1", "[AP]", "*karcA1"};
    f[1].cacher = {"arcB1", "[BP]", "*karcB1"};
    f[2].montrer = {"arcB1", "[BP]", "*karcB1"};
    f[2].cacher = {"arcA2", "arcB2", "[AQ]", "[BQ]", "*karcA2", "*karcB2"};
    f[3].montrer = {"arcA2", "arcB2", "[AQ]", "[BQ]", "*karcA2", "*karcB2"};
    f[3].cacher = {"(PQ)", "*ad", "*kI1", "*kI2"};
    f[4].montrer = {"(PQ)", "*ad", "*kI1", "*kI2"};
    return joindre(etapesTexte(textes1522), f);
}

void construire1523(TdonneesCommunes& d) {
    TzoneAffichage& z =
        commencerConstruction(d, "Construction de la médiatrice avec un losange", 4, textes1523);
    pointNoir(z, "A", 2, 2);
    pointNoir(z, "B", 0, -2);
    segment(z, "A", "B", vert, 1, 1);
    cacher(z, pointSurDroite(z, "RA", "A", "B", 1.2, 0, 0, noir));
    cacher(z, pointSurDroite(z, "RB", "B", "A", 1.2, 0, 0, noir));
    cacher(z, cercle(z, "cA", "A", "RA", noir, 1, 1));
    cacher(z, cercle(z, "cB", "B", "RB", noir, 1, 1));
    cacher(z, pointIntersectionCercles(z, "C", "cA", "cB", 0, 0, noir));
    cacher(z, pointIntersectionCercles(z, "D", "cB", "cA", 0, 0, noir));
    losange(z, "A C B D");
    marqueAngle(z, "a1", "A", "RA", 150);
    marqueAngle(z, "a2", "B", "RB", 150);
    cacherObjet(z, "a1");
    cacherObjet(z, "a2");
    cacher(z, droiteParPoints(z, "C", "D", magenta, 1, 2));
    finirConstruction(d);
}

std::vector<Tetape> etapes1523() {
    std::vector<Tetape> f(4);
    f[0].cacher = {"a1"};
    f[1].montrer = {"a1"};
    f[1].cacher = {"a2"};
    f[2].montrer = {"a2"};
    f[2].noircir = {"A", "B"};
    f[2].placer = {{"A", 2, 2}, {"B", 0, -2}};
    f[2].cacher = {"losa", "(CD)"};
    f[3].montrer = {"losa", "(CD)"};
    f[3].bleuir = {"A", "B"};
    return joindre(etapesTexte(textes1523), f);
}

void construire1524(TdonneesCommunes& d) {
    TzoneAffichage& z =
        commencerConstruction(d, "Construction de la bissectrice avec un losange", 4, textes1524);
    cacher(z, pointCache(z, "O", noir, 0, 0));
    cacher(z, pointCache(z, "U", noir, 0, 5));
    pointBleuCache(z, "A", -4, -3);
    pointBleuCache(z, "B", 3, -2);
    pointBleuCache(z, "C", -1, 2);
    cacher(z, reportLongueur(z, "M", "A", "B", "O", "U", 0, 0, noir));
    cacher(z, reportLongueur(z, "N", "A", "C", "O", "U", 0, 0, noir));
    cacher(z, milieu(z, "I", "M", "N", 0, 0, noir));
    cacher(z, pointSurDroite(z, "D", "I", "A", -1, 0, 0, noir));
    losange(z, "A M D N");
    for (const auto& [nom, o, m, angle] :
         {std::tuple{"a1", "A", "M", 90.0}, std::tuple{"a2", "A", "N", 90.0},
          std::tuple{"a3", "N", "D", 30.0}, std::tuple{"a4", "M", "D", 30.0}}) {
        marqueAngle(z, nom, o, m, angle);
        cacherObjet(z, nom);
    }
    cacher(z, demiDroite(z, "A", "D", magenta, 1, 2));
    demiDroite(z, "A", "B", noir, 1, 1);
    demiDroite(z, "A", "C", noir, 1, 1);
    finirConstruction(d);
}

std::vector<Tetape> etapes1524() {
    std::vector<Tetape> f(4);
    f[0].cacher = {"a1", "a2"};
    f[1].montrer = {"a1", "a2"};
    f[1].cacher = {"a3", "a4"};
    f[2].cacher = {"losa", "[AD)", "A", "B", "C"};
    f[2].montrer = {"a3", "a4"};
    f[2].placer = {{"A", -4, -3}, {"B", 3, -2}, {"C", -1, 2}};
    f[3].montrer = {"losa", "[AD)", "A", "B", "C"};
    return joindre(etapesTexte(textes1524), f);
}

} // namespace imagiciels
