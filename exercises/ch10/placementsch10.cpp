#include "exercises/ch10/placementsch10.h"

#include "analysis/nombres/arithmetique.h"
#include "analysis/nombres/ecriturenombre.h"
#include "core/donneescommunes.h"
#include "core/exercice/enonce.h"
#include "core/exercice/placement.h"
#include "core/exercice/verdicts.h"
#include "display/figures/figures.h"
#include "display/figures/marquesfigure.h"
#include "display/zones/zoneaffichage.h"
#include "exercises/ch10/outilsch10.h"
#include "exercises/ch10/thalesch10.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace exo5ch10 {

namespace {

constexpr Tcouleur noir = 0x000000;
constexpr Tcouleur bleu = 0x0000FF;
constexpr Tcouleur rouge = 0xFF0000;
constexpr Tcouleur gris = 0x808080;
constexpr int pageRapport = 1089;

// Placement faux : l'essai compte, la solution est offerte dès le troisième.
Tverdict placementFaux(TdonneesCommunes& d) {
    d.solutionPermise = d.essai > 2;
    return Tverdict::faux;
}

// Figure illisible (droite non définie…) : image « incorrecte » et message ; l'essai ne
// compte pas.
Tverdict placementIllisible(TdonneesCommunes& d, std::string_view message) {
    verdictIncorrect(d);
    ajouterMessage(d, message);
    return Tverdict::illisible;
}

// Zone carrée de l'énoncé avec son quadrillage, sans axes, de pas 1 et de demi-largeur
// `demiCote` unités.
TzoneAffichage* figureQuadrillee(TdonneesCommunes& d, double demiCote) {
    if (!d.zoneFigure) {
        return nullptr;
    }
    placerFigureEnonceCarree(d);
    TzoneAffichage& z = *d.zoneFigure;
    z.repere.visible = true;
    z.repere.sansAxes = true;
    z.repere.pasX = 1;
    z.repere.pasY = 1;
    z.echelle = z.largeur / (2 * demiCote);
    bornesZone(z);
    return &z;
}

// ---------------------------------------------------------------------------------------
// 412 : placer M pour que MN soit dans le rapport demandé.

const PlacerM& donneesPlacerM(const TdonneesCommunes& d) {
    return questionCourante(d, placerM());
}

void poserPlacerM(TdonneesCommunes& d) {
    const auto table = placerM();
    const PlacerM& q = questionCourante(d, table);
    commencerEnonce(d, "Théorème de Thalès. Utiliser un rapport", static_cast<int>(table.size()),
                    2);
    encadrerJusqua(d, 3.5, 52);
    phraseThales(d, "AMNBC", 2);
    ajouterLigneEnonce(d, q.consigne, 3.5);
    d.pageCoursLiee = pageRapport;
    if (!d.zoneFigure) {
        return;
    }
    placerFigureEnonceCarree(d);
    TzoneAffichage& z = *d.zoneFigure;
    z.repere.visible = true;
    z.echelle /= 2;
    bornesZone(z);
    pointSurGrille(z, "A", noir, 0, 0, 0, 0, 1, 0, 0, 1, -0.5, 0.2);
    rendreFixe(z, "A");
    pointSurGrille(z, "B", noir, q.ab, 0, q.ab, q.ab, 1, 0, 0, 1, -0.5, 0.2);
    rendreFixe(z, "B");
    pointDeplacable(z, "C", noir, 6, 8);
    droiteParPoints(z, "A", "B", noir, 1, 1);
    segment(z, "B", "C", noir, 1, 1);
    pointSurGrille(z, "M", bleu, -4, 0, -q.ab, 0, 0.5, 0, 0, 1, -0.5, 0.2);
    pointAffine(z, "P", "M", "C", "B", 1, -1, 0, 0, noir);
    cacherObjet(z, "P");
    droiteParPoints(z, "M", "P", noir, 1, 1);
    cacherObjet(z, "(MP)");
    droiteParPoints(z, "A", "C", noir, 1, 1);
    pointIntersectionDroites(z, "N", "(MP)", "(AC)", 0.3, -1.2, bleu);
    segment(z, "M", "N", bleu, 1, 1);
}

Tverdict jugerPlacerM(TdonneesCommunes& d) {
    const PlacerM& q = donneesPlacerM(d);
    const double x = d.zoneFigure ? abscisseObjet(*d.zoneFigure, "M") : 0;
    if (std::abs(x - q.cibleX) < 1e-9) {
        return Tverdict::exact;
    }
    ajouterLigneSolution(d, q.aide, 2.5);
    ajouterLigneSolution(
        d,
        std::string(x > q.cibleX ? "Or AM est inférieur aux " : "Or AM est supérieur aux ") +
            q.rapport + " de AB...",
        4.5);
    return placementFaux(d);
}

void placerMModele(TdonneesCommunes& d) {
    if (d.zoneFigure) {
        placerPoint(*d.zoneFigure, "M", donneesPlacerM(d).cibleX, 0);
    }
}

void placerMFaux(TdonneesCommunes& d) {
    const PlacerM& q = donneesPlacerM(d);
    if (d.zoneFigure) {
        placerPoint(*d.zoneFigure, "M", q.cibleX > -q.ab ? q.cibleX - 0.5 : q.cibleX + 0.5, 0);
    }
}

void solutionPlacerM(TdonneesCommunes& d) {
    const PlacerM& q = donneesPlacerM(d);
    solutionThales(d, "", "AMNBC", true, 2, "");
    ecrireLignesSolution(d, q.solution);
    if (d.solutionDemandee) {
        placerMModele(d);
    }
}

// ---------------------------------------------------------------------------------------
// 417 et 418 : placer P et Q pour que (PQ) coupe (AB) en M dans le rapport demandé.
// A et B sont des nœuds de la figure, P et Q se déplacent de nœud en nœud ; le vecteur
// unité v = (0 ; 1) sert à construire la réponse : (AP)//(BQ) et AP/BQ = MA/MB.

struct Configuration {
    double xA, yA, xB, yB;
};

constexpr Configuration quadrillage417{-2, -5, 4, -3};
// A et B à 3 unités : le point M cherché reste dans la vue pour chaque rapport demandé.
constexpr Configuration paralleles418{-2, 0, 1, 0};

bool surQuadrillage(const TdonneesCommunes& d) {
    return d.numeroExercice == 417;
}

const PlacerRapport& donneesRapport(const TdonneesCommunes& d) {
    return questionCourante(d, placerRapport(d.numeroExercice));
}

// MA/MB = p/q et le côté de Q : du même côté de (AB) que P quand M est hors de [AB].
struct Construction {
    int p;
    int q;
    bool memeCote;
};

Construction construction(const TdonneesCommunes& d) {
    const PlacerRapport& r = donneesRapport(d);
    if (!surQuadrillage(d)) {
        return {r.numerateur, r.denominateur, !r.dedans};
    }
    // AM/AB = n/d donné : MB = |d − n|/d·AB sur la demi-droite, (n + d)/d·AB à l'opposé.
    const int n = r.numerateur;
    const int dd = r.denominateur;
    const bool dansSegment = r.positionM >= 0 && r.positionM <= 1;
    return {n, r.dedans ? std::abs(dd - n) : n + dd, !dansSegment};
}

void poserRapport(TdonneesCommunes& d) {
    const auto table = placerRapport(d.numeroExercice);
    const PlacerRapport& r = questionCourante(d, table);
    const bool grille = surQuadrillage(d);
    commencerEnonce(d,
                    grille ? "Placer un point dans un rapport donné en utilisant un quadrillage"
                           : "Placer un point dans un rapport donné en utilisant des parallèles "
                             "graduées",
                    static_cast<int>(table.size()), 2);
    encadrerJusqua(d, 3.5, 52);
    ajouterLigneEnonce(d,
                       grille ? "Placer P et Q sur le quadrillage de façon à avoir :"
                              : "Placer P et Q sur les parallèles de façon à avoir :",
                       2);
    ajouterLigneEnonce(d, r.condition, 3.5);
    TzoneAffichage* z = figureQuadrillee(d, 7.5);
    if (z == nullptr) {
        return;
    }
    const Configuration c = grille ? quadrillage417 : paralleles418;
    z->entiers[1] = static_cast<int>(c.xA);
    z->entiers[2] = static_cast<int>(c.yA);
    z->entiers[3] = static_cast<int>(c.xB);
    z->entiers[4] = static_cast<int>(c.yB);
    if (grille) {
        pointEtiquete(*z, "A", noir, c.xA, c.yA, -0.5, 0.2);
        pointEtiquete(*z, "B", noir, c.xB, c.yB, -0.5, 0.2);
        pointSurGrille(*z, "P", rouge, -6, 2, -7, 7, 1, -7, 7, 1, -1.5, -1);
        // Au départ, (PQ) coupe (AB) dans la vue, loin de tout point cherché.
        pointSurGrille(*z, "Q", rouge, 1, -6, -7, 7, 1, -7, 7, 1, 0.5, -1);
    } else {
        // Sans quadrillage : deux parallèles graduées de 1 en 1 par A et par B. La
        // graduation avance du vecteur G1G2 à chaque trait : G2 est à une unité de G1.
        z->repere.visible = false;
        pointEtiquete(*z, "A", noir, c.xA, c.yA, -1.8, -0.5);
        pointEtiquete(*z, "B", noir, c.xB, c.yB, 0.5, -0.5);
        pointCache(*z, "G1", noir, c.xA, -6);
        pointCache(*z, "G2", noir, c.xA, -5);
        pointCache(*z, "G3", noir, c.xA + 0.3, -6);
        pointCache(*z, "H1", noir, c.xB, -6);
        pointCache(*z, "H2", noir, c.xB, -5);
        pointCache(*z, "H3", noir, c.xB + 0.3, -6);
        for (const char* nom : {"G1", "G2", "G3", "H1", "H2", "H3"}) {
            cacherObjet(*z, nom);
        }
        droiteParPoints(*z, "G1", "G2", gris, 1, 1);
        droiteParPoints(*z, "H1", "H2", gris, 1, 1);
        graduation(*z, "gA", "G1", "G2", "G3", 12, gris);
        graduation(*z, "gB", "H1", "H2", "H3", 12, gris);
        pointSurGrille(*z, "P", rouge, c.xA, 4, c.xA, c.xA, 1, -6, 6, 1, -1.8, -0.5);
        pointSurGrille(*z, "Q", rouge, c.xB, 1, c.xB, c.xB, 1, -6, 6, 1, 0.6, -0.5);
    }
    rendreFixe(*z, "A");
    rendreFixe(*z, "B");
    droiteParPoints(*z, "A", "B", noir, 1, 1);
    segmentPointille(*z, "A", "P", rouge);
    segmentPointille(*z, "B", "Q", rouge);
    droiteParPoints(*z, "P", "Q", bleu, 1, 1);
    pointIntersectionDroites(*z, "M", "(PQ)", "(AB)", 0.3, 0.2, bleu);
}

// Le rapport demandé tel que l'énoncé l'écrit (« $F2;3; », « 3 »).
std::string rapportDemande(const PlacerRapport& r) {
    if (r.denominateur == 1) {
        return std::to_string(r.numerateur);
    }
    return "$F" + std::to_string(r.numerateur) + ";" + std::to_string(r.denominateur) + ";";
}

// « 1 carreau », « 3 carreaux », « 1 graduation », « 2 graduations ».
std::string compte(int n, bool grille) {
    const char* unite =
        grille ? (n == 1 ? " carreau" : " carreaux") : (n == 1 ? " graduation" : " graduations");
    return std::to_string(n) + unite;
}

std::int64_t arrondi(double x) {
    return static_cast<std::int64_t>(std::llround(x));
}

Tverdict jugerRapport(TdonneesCommunes& d) {
    if (!d.zoneFigure) {
        return placementFaux(d);
    }
    const TzoneAffichage& z = *d.zoneFigure;
    const PlacerRapport& r = donneesRapport(d);
    const bool grille = surQuadrillage(d);
    const std::int64_t xA = z.entiers[1], yA = z.entiers[2], xB = z.entiers[3], yB = z.entiers[4];
    const std::int64_t xP = arrondi(abscisseObjet(z, "P")), yP = arrondi(ordonneeObjet(z, "P"));
    const std::int64_t xQ = arrondi(abscisseObjet(z, "Q")), yQ = arrondi(ordonneeObjet(z, "Q"));
    if (xP == xQ && yP == yQ) {
        return placementIllisible(d, "La droite bleue n'est pas définie.");
    }
    // M = A + t(B − A) sur (PQ) : t = [AP, PQ] / [AB, PQ], en entiers.
    const std::int64_t ux = xQ - xP, uy = yQ - yP;
    std::int64_t numerateur = (xP - xA) * uy - (yP - yA) * ux;
    std::int64_t denominateur = (xB - xA) * uy - (yB - yA) * ux;
    if (denominateur == 0) {
        return placementIllisible(
            d, "La droite (PQ) est parallèle à la droite (AB). M n'est pas défini.");
    }
    if (denominateur < 0) {
        numerateur = -numerateur;
        denominateur = -denominateur;
    }
    const bool appartient = numerateur >= 0 && (grille || numerateur <= denominateur);
    if (r.dedans != appartient) {
        const char* ligne = grille
                                ? (r.dedans ? "Le point M n'appartient pas à la demi$-droite [AB)."
                                            : "Le point M appartient à la demi$-droite [AB).")
                                : (r.dedans ? "Le point M n'appartient pas au segment [AB]."
                                            : "Le point M appartient au segment [AB].");
        return placementIllisible(d, ligne);
    }
    const double t = static_cast<double>(numerateur) / static_cast<double>(denominateur);
    if (std::abs(t - r.positionM) < 1e-9) {
        return Tverdict::exact;
    }
    if (grille) {
        ajouterMessage(d, "On obtient  $FAM;AB; = " +
                              nombres::texteFraction(std::abs(numerateur), denominateur, true) +
                              "  au lieu de  " + rapportDemande(r) + ".");
    } else if (numerateur == denominateur) {
        ajouterMessage(d, "Le point M est confondu avec B.");
    } else {
        ajouterMessage(d, "On obtient  $FMA;MB; = " +
                              nombres::texteFraction(std::abs(numerateur),
                                                     std::abs(denominateur - numerateur), true) +
                              "  au lieu de  " + rapportDemande(r) + ".");
    }
    return placementFaux(d);
}

// P = A + p·v et Q = B ± q·v ; `ecartQ` allonge BQ pour une réponse fausse.
void placerPQ(TdonneesCommunes& d, int ecartQ) {
    if (!d.zoneFigure) {
        return;
    }
    TzoneAffichage& z = *d.zoneFigure;
    const Construction c = construction(d);
    const double sens = c.memeCote ? 1 : -1;
    placerPoint(z, "P", z.entiers[1], z.entiers[2] + c.p);
    placerPoint(z, "Q", z.entiers[3], z.entiers[4] + sens * (c.q + ecartQ));
}

void rapportModele(TdonneesCommunes& d) {
    placerPQ(d, 0);
}

// BQ d'une unité de trop, ou de moins quand M est au-delà de B : le point M faux se
// rapproche de [AB] et reste dans la vue.
void rapportFaux(TdonneesCommunes& d) {
    const Construction c = construction(d);
    placerPQ(d, c.memeCote && c.p > c.q ? -1 : 1);
}

// Pourquoi AM/AB donné fixe MA/MB (417) : MB = AB − AM quand M est entre A et B,
// AM − AB au-delà de B, AM + AB sur l'autre demi-droite.
std::string passageAuRapport(const PlacerRapport& r, const Construction& c) {
    const std::string ab = "AB";
    const std::string am = rapportDemande(r) + "*AB";
    const std::string mb = nombres::texteFraction(c.q, r.denominateur, false) + "*AB";
    const std::string calcul = !r.dedans          ? "MB = AM + AB = " + am + " + " + ab
                               : r.positionM <= 1 ? "MB = AB -AM = " + ab + " -" + am
                                                  : "MB = AM -AB = " + am + " -" + ab;
    return "AM = " + am + "  donc  " + calcul + " = " + mb +
           "  et  $FMA;MB; = " + nombres::texteFraction(c.p, c.q, false);
}

void solutionRapport(TdonneesCommunes& d) {
    const Construction c = construction(d);
    const std::string rapport = nombres::texteFraction(c.p, c.q, false);
    const bool grille = surQuadrillage(d);
    const PlacerRapport& r = donneesRapport(d);
    double ligne = 2.5;
    if (grille) {
        ajouterLigneSolution(d, passageAuRapport(r, c) + ".", ligne);
    } else {
        ajouterLigneSolution(d, "Le rapport  $FMA;MB;  est donné par l'énoncé.", ligne);
    }
    ligne += 1.7;
    ajouterLigneSolution(d,
                         std::string("On veut  $FMA;MB; = ") + rapport +
                             (c.memeCote ? ", M hors du segment [AB] : on place P et Q"
                                         : ", M sur le segment [AB] : on place P et Q"),
                         ligne);
    ligne += 1.5;
    ajouterLigneSolution(
        d,
        std::string(c.memeCote ? "du même côté de (AB)" : "de part et d'autre de (AB)") +
            (grille ? ", avec (AP)//(BQ)," : ",") + " AP = " + compte(c.p, grille) +
            " et BQ = " + compte(c.q, grille) + ".",
        ligne);
    ligne += 1.5;
    ajouterLigneSolution(d,
                         "D'après le théorème de Thalès :  $FMA;MB; = $FAP;BQ; = " + rapport +
                             "  donc (PQ) coupe (AB) au point M cherché.",
                         ligne);
    if (d.solutionDemandee) {
        rapportModele(d);
    }
}

// ---------------------------------------------------------------------------------------
// 419 : placer A, B, C pour qu'un côté du triangle se partage sur le quadrillage.

const PartagerSegment& donneesPartage(const TdonneesCommunes& d) {
    return questionCourante(d, partagerSegment());
}

// Le sommet qui n'est pas une extrémité du segment à partager.
char troisiemeSommet(const PartagerSegment& s) {
    for (char c : {'A', 'B', 'C'}) {
        if (c != s.segment[0] && c != s.segment[1]) {
            return c;
        }
    }
    return 'A';
}

void poserPartage(TdonneesCommunes& d) {
    const auto table = partagerSegment();
    const PartagerSegment& s = questionCourante(d, table);
    commencerEnonce(d, "Partager un segment en utilisant un quadrillage",
                    static_cast<int>(table.size()), 2);
    encadrerJusqua(d, 3.5, 52);
    ajouterLigneEnonce(d, "Placer les points A, B, C sur le quadrillage de façon que :", 2);
    ajouterLigneEnonce(d, s.condition, 3.5);
    TzoneAffichage* z = figureQuadrillee(d, 7.5);
    if (z == nullptr) {
        return;
    }
    pointSurGrille(*z, "A", rouge, -4, -3, -7, 7, 1, -7, 7, 1, -1.5, 0.2);
    pointSurGrille(*z, "B", rouge, 2, -4, -7, 7, 1, -7, 7, 1, 0.3, 0.2);
    pointSurGrille(*z, "C", rouge, 0, 4, -7, 7, 1, -7, 7, 1, -0.5, -1.4);
    segment(*z, "A", "B", noir, 1, 1);
    segment(*z, "B", "C", noir, 1, 1);
    segment(*z, "C", "A", noir, 1, 1);
}

Tverdict jugerPartage(TdonneesCommunes& d) {
    if (!d.zoneFigure) {
        return placementFaux(d);
    }
    const TzoneAffichage& z = *d.zoneFigure;
    const PartagerSegment& s = donneesPartage(d);
    const auto coordonnees = [&z](char nom, std::int64_t& x, std::int64_t& y) {
        const std::string n(1, nom);
        x = arrondi(abscisseObjet(z, n));
        y = arrondi(ordonneeObjet(z, n));
    };
    std::int64_t x1, y1, x2, y2, x3, y3;
    coordonnees(s.segment[0], x1, y1);
    coordonnees(s.segment[1], x2, y2);
    coordonnees(troisiemeSommet(s), x3, y3);
    if ((x2 - x1) * (y3 - y1) - (y2 - y1) * (x3 - x1) == 0) {
        return placementIllisible(
            d, "Les points A, B et C sont alignés : le triangle ABC n'existe pas.");
    }
    const std::int64_t ex = std::abs(x2 - x1);
    const std::int64_t ey = std::abs(y2 - y1);
    if (ex % s.parties == 0 && ey % s.parties == 0) {
        return Tverdict::exact;
    }
    ajouterMessage(d, std::string("De ") + s.segment[0] + " à " + s.segment[1] + ", on avance de " +
                          std::to_string(ex) + " carreau(x) en largeur et de " +
                          std::to_string(ey) + " en hauteur :");
    ajouterMessage(d, "ces deux nombres ne sont pas tous deux des multiples de " +
                          std::to_string(s.parties) + ".");
    return placementFaux(d);
}

// Extrémités du segment en (−3 ; −3) et (−3 + n + écart ; −3 + n), troisième sommet en
// (−3 ; 3).
void placerPartage(TdonneesCommunes& d, int ecart) {
    if (!d.zoneFigure) {
        return;
    }
    TzoneAffichage& z = *d.zoneFigure;
    const PartagerSegment& s = donneesPartage(d);
    placerPoint(z, std::string(1, s.segment[0]), -3, -3);
    placerPoint(z, std::string(1, s.segment[1]), -3 + s.parties + ecart, -3 + s.parties);
    placerPoint(z, std::string(1, troisiemeSommet(s)), -3, 3);
}

void partageModele(TdonneesCommunes& d) {
    placerPartage(d, 0);
}

void partageFaux(TdonneesCommunes& d) {
    placerPartage(d, 1);
}

void solutionPartage(TdonneesCommunes& d) {
    const PartagerSegment& s = donneesPartage(d);
    const std::string n = std::to_string(s.parties);
    const std::string seg = std::string("[") + s.segment + "]";
    const char z = troisiemeSommet(s);
    ajouterLigneSolution(d,
                         "Si " + seg +
                             " avance sur le quadrillage d'un nombre de carreaux multiple "
                             "de " +
                             n + " en largeur et en hauteur,",
                         2.5);
    ajouterLigneSolution(
        d, "des nœuds du quadrillage le partagent en " + n + " segments de même longueur.", 4);
    ajouterLigneSolution(d,
                         std::string("Les parallèles à (") + s.segment[1] + z +
                             ") menées par ces nœuds partagent aussi [" + s.segment[0] + z +
                             "] en " + n + " (théorème de Thalès).",
                         5.5);
    if (d.solutionDemandee) {
        partageModele(d);
    }
}

constexpr Texercice exercices[] = {
    {.index = 412,
     .poserEnonce = &poserPlacerM,
     .jugerReponse = &jugerPlacerM,
     .donnerSolution = &solutionPlacerM,
     .donnerReponseModele = &placerMModele,
     .donnerReponseFausse = &placerMFaux},
    {.index = 417,
     .poserEnonce = &poserRapport,
     .jugerReponse = &jugerRapport,
     .donnerSolution = &solutionRapport,
     .donnerReponseModele = &rapportModele,
     .donnerReponseFausse = &rapportFaux},
    {.index = 418,
     .poserEnonce = &poserRapport,
     .jugerReponse = &jugerRapport,
     .donnerSolution = &solutionRapport,
     .donnerReponseModele = &rapportModele,
     .donnerReponseFausse = &rapportFaux},
    {.index = 419,
     .poserEnonce = &poserPartage,
     .jugerReponse = &jugerPartage,
     .donnerSolution = &solutionPartage,
     .donnerReponseModele = &partageModele,
     .donnerReponseFausse = &partageFaux},
};

} // namespace

std::span<const Texercice> exercicesPlacements() {
    return exercices;
}

} // namespace exo5ch10
