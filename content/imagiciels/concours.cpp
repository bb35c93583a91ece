// Les illustrations du concours des droites remarquables d'un triangle (1506 à 1509) :
// médiatrices, hauteurs, médianes et bissectrices, avec leurs marques et leurs codages.

#include "content/imagiciels/etapes.h"
#include "core/donneescommunes.h"
#include "display/figures/figures.h"
#include "display/figures/marquesfigure.h"
#include "display/zones/zoneaffichage.h"

#include <initializer_list>
#include <tuple>

namespace imagiciels {

namespace {

// Le rectangle commun, les sommets bleus déplaçables sans étiquette et le fond du triangle
// (le contour bleu vient après les remplissages de la figure, par `contourTriangle`).
TzoneAffichage& triangle(TdonneesCommunes& d, std::string_view titre) {
    annoncer(d, titre, 0, 0);
    TzoneAffichage& z = placerFigure(d, 315, 60, 450, 430);
    for (const auto& [nom, x, y] :
         {std::tuple{"A", -4.0, -4.0}, std::tuple{"B", 4.0, -4.0}, std::tuple{"C", 1.0, 4.0}}) {
        point(z, nom, "", x, y, 0, 0, bleu, 5);
        rendreMobile(z, nom);
    }
    return z;
}

void fondTriangle(TzoneAffichage& z) {
    remplir(z, polygone(z, "t1", "A B C", noir), jauneClair);
}

void contourTriangle(TzoneAffichage& z) {
    polygone(z, "t1b", "A B C", bleu);
}

// Le point de concours, rouge, sans étiquette.
void concours(TzoneAffichage& z, Tnom nom) {
    changerEtiquette(z, nom, "");
    changerCouleur(z, nom, rouge);
    montrerObjet(z, nom);
}

void texte(TdonneesCommunes& d, std::initializer_list<const char*> lignes, double largeur) {
    ecrireExplication(*d.zoneTexteImagiciel, largeur, lignes);
    ecrireAction(*d.zoneTexteImagiciel, 21, "Les sommets du triangle", "peuvent être déplacés.");
}

} // namespace

void construire1506(TdonneesCommunes& d) {
    TzoneAffichage& z = triangle(d, "Concours des médiatrices d'un triangle");
    // Vue resserrée : le cercle circonscrit du triangle de départ (rayon 5,04, centre
    // (0 ; −0,94)) tient entier dans la zone.
    z.echelle *= 0.8;
    bornesZone(z);
    cacher(z, milieu(z, "I", "A", "B", 0, 0, noir));
    cacher(z, milieu(z, "J", "A", "C", 0, 0, noir));
    cacher(z, milieu(z, "K", "B", "C", 0, 0, noir));
    cacher(z, mediatrice(z, "m1", "A", "B", noir, 1, 1));
    cacher(z, mediatrice(z, "m2", "A", "C", noir, 1, 1));
    cacher(z, pointIntersectionDroites(z, "O", "m1", "m2", 0, 0, rouge));
    remplir(z, cercle(z, "c1", "O", "A", noir, 1, 1), vertPale);
    fondTriangle(z);
    cercle(z, "c1b", "O", "A", noir, 1, 1);
    contourTriangle(z);
    montrerObjet(z, "m1");
    montrerObjet(z, "m2");
    mediatrice(z, "m3", "B", "C", noir, 1, 1);
    angleDroit(z, "ad1", "I", "B", "O", 0.15, noir, 0);
    angleDroit(z, "ad2", "J", "C", "O", 0.15, noir, 0);
    angleDroit(z, "ad3", "K", "C", "O", 0.15, noir, 0);
    codageSegment(z, "k1", "A", "I", 0.2, noir, 1);
    codageSegment(z, "k2", "I", "B", 0.2, noir, 1);
    codageSegment(z, "k3", "A", "J", 0.2, noir, 4);
    codageSegment(z, "k4", "J", "C", 0.2, noir, 4);
    codageSegment(z, "k5", "B", "K", 0.2, noir, 2);
    codageSegment(z, "k6", "K", "C", 0.2, noir, 2);
    concours(z, "O");
    texte(d,
          {"Dans un triangle, les médiatrices", "sont concourantes en un point", "appelé",
           "$gcentre du cercle circonscrit$N.", "Le cercle circonscrit passe par",
           "les trois sommets du triangle"},
          28.5);
}

void construire1507(TdonneesCommunes& d) {
    TzoneAffichage& z = triangle(d, "Concours des hauteurs d'un triangle");
    fondTriangle(z);
    droiteParPoints(z, "A", "B", bleu, 1, 1);
    droiteParPoints(z, "A", "C", bleu, 1, 1);
    droiteParPoints(z, "B", "C", bleu, 1, 1);
    perpendiculaire(z, "h1", "C", "(AB)", noir, 1, 1);
    perpendiculaire(z, "h2", "B", "(AC)", noir, 1, 1);
    perpendiculaire(z, "h3", "A", "(BC)", noir, 1, 1);
    cacher(z, pointIntersectionDroites(z, "P1", "h1", "(AB)", 0, 0, noir));
    cacher(z, pointIntersectionDroites(z, "P2", "h2", "(AC)", 0, 0, noir));
    cacher(z, pointIntersectionDroites(z, "P3", "h3", "(BC)", 0, 0, noir));
    angleDroit(z, "ad1", "P1", "B", "C", 0.15, noir, 0);
    angleDroit(z, "ad2", "P2", "C", "B", 0.15, noir, 0);
    angleDroit(z, "ad3", "P3", "C", "A", 0.15, noir, 0);
    cacher(z, pointIntersectionDroites(z, "H", "h1", "h2", 0, 0, rouge));
    concours(z, "H");
    texte(d,
          {"Dans un triangle, les hauteurs", "sont concourantes en un point",
           "appelé $gorthocentre$N."},
          25);
}

void construire1508(TdonneesCommunes& d) {
    TzoneAffichage& z = triangle(d, "Concours des médianes d'un triangle");
    fondTriangle(z);
    contourTriangle(z);
    cacher(z, milieu(z, "I", "A", "B", 0, 0, noir));
    cacher(z, milieu(z, "J", "A", "C", 0, 0, noir));
    cacher(z, milieu(z, "K", "B", "C", 0, 0, noir));
    segment(z, "C", "I", noir, 1, 1);
    segment(z, "B", "J", noir, 1, 1);
    segment(z, "A", "K", noir, 1, 1);
    cacher(z, pointAffine(z, "G", "A", "B", "C", 1.0 / 3, 1.0 / 3, 0, 0, rouge));
    cacher(z, milieu(z, "F", "C", "G", 0, 0, noir));
    codageSegment(z, "k1", "A", "I", 0.2, bleu, 2);
    codageSegment(z, "k2", "I", "B", 0.2, bleu, 2);
    codageSegment(z, "k3", "C", "F", 0.2, noir, 1);
    codageSegment(z, "k4", "F", "G", 0.2, noir, 1);
    codageSegment(z, "k5", "G", "I", 0.2, noir, 1);
    concours(z, "G");
    texte(d,
          {"Dans un triangle, les médianes", "sont concourantes en un point",
           "appelé $gcentre de gravité$N.", "Ce point est situé aux $F2;3; de",
           "chaque médiane en partant du", "sommet."},
          25);
}

void construire1509(TdonneesCommunes& d) {
    TzoneAffichage& z = triangle(d, "Concours des bissectrices d'un triangle");
    cacher(z, centreCercleInscrit(z, "O", "A", "B", "C", 0, 0, rouge));
    cacher(z, droiteParPoints(z, "A", "B", noir, 1, 1));
    cacher(z, perpendiculaire(z, "p1", "O", "(AB)", noir, 1, 1));
    cacher(z, pointIntersectionDroites(z, "H", "p1", "(AB)", 0, 0, noir));
    fondTriangle(z);
    remplir(z, cercle(z, "c1", "O", "H", noir, 1, 1), vertPale);
    cercle(z, "c1b", "O", "H", noir, 1, 1);
    contourTriangle(z);
    demiDroite(z, "A", "O", noir, 1, 1);
    demiDroite(z, "B", "O", noir, 1, 1);
    demiDroite(z, "C", "O", noir, 1, 1);
    concours(z, "O");
    texte(d,
          {"Dans un triangle, les bissectrices", "sont concourantes en un point", "appelé",
           "$gcentre du cercle inscrit$N.", "Le cercle inscrit est tangent aux",
           "trois côtés du triangle"},
          28.5);
}

} // namespace imagiciels
