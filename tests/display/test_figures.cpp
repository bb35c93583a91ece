// Figures géométriques : chaque règle de construction et ses cas dégénérés, le recalcul des
// dépendants, le glisser des seuls points libres, la peinture des points, des traits et de la
// grille.

#include "display/figures/cerclefigure.h"
#include "display/figures/courbefigure.h"
#include "display/figures/pointfigure.h"
#include "tests/display/figure.h"

#include <array>
#include <cmath>
#include <functional>
#include <gtest/gtest.h>
#include <numbers>

namespace {
// Une règle de construction : la figure, le point construit et sa position attendue.
struct CasConstruction {
    const char* nom;
    std::function<void(TzoneAffichage&)> construire;
    double x;
    double y;
};

class Construction : public Figure, public testing::WithParamInterface<CasConstruction> {};

TEST_P(Construction, PositionDuPoint) {
    GetParam().construire(*zone);
    attendrePoint("P", GetParam().x, GetParam().y);
}

const double r3 = std::sqrt(3.0);

INSTANTIATE_TEST_SUITE_P(
    Regles, Construction,
    testing::Values(
        CasConstruction{"milieu",
                        [](TzoneAffichage& z) {
                            points(z, {{"A", 0, 0}, {"B", 2, 4}});
                            milieu(z, "P", "A", "B", 0, 0, 0);
                        },
                        1, 2},
        CasConstruction{"symetriqueCentral",
                        [](TzoneAffichage& z) {
                            points(z, {{"A", 1, 1}, {"B", 2, 3}});
                            symetriqueCentral(z, "P", "A", "B", 0, 0, 0);
                        },
                        0, -1},
        CasConstruction{"pointSurDroite",
                        [](TzoneAffichage& z) {
                            points(z, {{"A", 0, 0}, {"B", 4, 8}});
                            pointSurDroite(z, "P", "A", "B", 0.25, 0, 0, 0);
                        },
                        1, 2},
        CasConstruction{"pointAffine",
                        [](TzoneAffichage& z) {
                            points(z, {{"A", 1, 1}, {"B", 3, 1}, {"C", 1, 2}});
                            pointAffine(z, "P", "A", "B", "C", 0.5, 2, 0, 0, 0);
                        },
                        2, 3},
        CasConstruction{"quatriemeSommet",
                        [](TzoneAffichage& z) {
                            points(z, {{"A", 0, 0}, {"B", 2, 0}, {"C", 0, 1}});
                            quatriemeSommet(z, "P", "A", "B", "C", 0, 0, 0);
                        },
                        2, 1},
        CasConstruction{"pointTourne_90_degres",
                        [](TzoneAffichage& z) {
                            points(z, {{"O", 0, 0}, {"M", 1, 0}});
                            pointTourne(z, "P", "O", "M", 90, 0, 0, 0);
                        },
                        0, 1},
        CasConstruction{"pointTourneAngle_angle_AOB_signe",
                        [](TzoneAffichage& z) {
                            points(z, {{"O", 0, 0}, {"A", 0, 2}, {"B", 3, 0}, {"M", 0, 1}});
                            pointTourneAngle(z, "P", "O", "A", "B", "M", 0, 0, 0);
                        },
                        1, 0},
        CasConstruction{"reportLongueur",
                        [](TzoneAffichage& z) {
                            points(z, {{"C", 1, 0}, {"D", 1, 5}, {"A", 0, 0}, {"B", 0, 2}});
                            reportLongueur(z, "P", "C", "D", "A", "B", 0, 0, 0);
                        },
                        1, 2},
        CasConstruction{"pointIntersectionDroites",
                        [](TzoneAffichage& z) {
                            points(z, {{"A", 0, 0}, {"B", 2, 2}, {"C", 0, 2}, {"D", 2, 0}});
                            droiteParPoints(z, "A", "B", 0, 1, 1);
                            droiteParPoints(z, "C", "D", 0, 1, 1);
                            pointIntersectionDroites(z, "P", "(AB)", "(CD)", 0, 0, 0);
                        },
                        1, 1},
        CasConstruction{"intersection_segment_et_perpendiculaire",
                        [](TzoneAffichage& z) {
                            points(z, {{"A", -2, 0}, {"B", 3, 0}, {"M", 1, 2}});
                            segmentSimple(z, "A", "B", 0);
                            perpendiculaire(z, "d", "M", "[AB]", 0, 1, 1);
                            pointIntersectionDroites(z, "P", "d", "[AB]", 0, 0, 0);
                        },
                        1, 0},
        CasConstruction{"intersection_mediatrice",
                        [](TzoneAffichage& z) {
                            points(z, {{"A", 0, 0}, {"B", 2, 0}, {"C", -1, 1}, {"D", 4, 1}});
                            mediatrice(z, "m", "A", "B", 0, 1, 1);
                            droiteParPoints(z, "C", "D", 0, 1, 1);
                            pointIntersectionDroites(z, "P", "m", "(CD)", 0, 0, 0);
                        },
                        1, 1},
        CasConstruction{"symetriqueAxe",
                        [](TzoneAffichage& z) {
                            points(z, {{"A", 0, 0}, {"B", 1, 1}, {"M", 2, 0}});
                            droiteParPoints(z, "A", "B", 0, 1, 1);
                            symetriqueAxe(z, "P", "(AB)", "M", 0, 0, 0);
                        },
                        0, 2},
        CasConstruction{"intersectionCercles_c1_c2_a_gauche",
                        [](TzoneAffichage& z) {
                            points(z, {{"O", 0, 0}, {"Q", 2, 0}});
                            cercle(z, "c1", "O", "Q", 0, 1, 1);
                            cercle(z, "c2", "Q", "O", 0, 1, 1);
                            pointIntersectionCercles(z, "P", "c1", "c2", 0, 0, 0);
                        },
                        1, r3},
        CasConstruction{"intersectionCercles_c2_c1_l_autre_point",
                        [](TzoneAffichage& z) {
                            points(z, {{"O", 0, 0}, {"Q", 2, 0}});
                            cercle(z, "c1", "O", "Q", 0, 1, 1);
                            cercle(z, "c2", "Q", "O", 0, 1, 1);
                            pointIntersectionCercles(z, "P", "c2", "c1", 0, 0, 0);
                        },
                        1, -r3},
        CasConstruction{"intersectionDroiteCercle_plus_loin_sur_la_droite",
                        [](TzoneAffichage& z) {
                            points(z, {{"A", 3, 0}, {"B", -3, 0}, {"O", 0, 0}, {"R", 0, 2}});
                            droiteParPoints(z, "A", "B", 0, 1, 1);
                            cercle(z, "c", "O", "R", 0, 1, 1);
                            pointIntersectionDroiteCercle(z, "P", "(AB)", "c", 0, 0, 0);
                        },
                        -2, 0},
        CasConstruction{
            "intersectionDroiteCercle_tangente",
            [](TzoneAffichage& z) {
                points(z, {{"A", -3, 2}, {"B", 3, 2}, {"O", 0, 0}, {"R", 1.9999999, 0}});
                droiteParPoints(z, "A", "B", 0, 1, 1);
                cercle(z, "c", "O", "R", 0, 1, 1);
                pointIntersectionDroiteCercle(z, "P", "(AB)", "c", 0, 0, 0);
            },
            0, 2},
        CasConstruction{"centreCercleInscrit",
                        [](TzoneAffichage& z) {
                            points(z, {{"A", 0, 0}, {"B", 4, 0}, {"C", 0, 3}});
                            centreCercleInscrit(z, "P", "A", "B", "C", 0, 0, 0);
                        },
                        1, 1},
        CasConstruction{
            "rayonDeveloppe",
            [](TzoneAffichage& z) {
                points(z, {{"O", 0, 0}, {"A", 2, 0}, {"B", 0, 2}, {"K", 0, -1}, {"J", 4, -1}});
                arcAngle(z, "arc", "O", "A", "B", 0, 1, 1);
                rayonDeveloppe(z, "P", "K", "J", "arc", 0, 0, 0);
            },
            0.5, -1},
        CasConstruction{"mesureLongueur_au_milieu",
                        [](TzoneAffichage& z) {
                            points(z, {{"A", 0, 0}, {"B", 1, 1}});
                            mesureLongueur(z, "P", "A", "B", 2, 0, 0, 0);
                        },
                        0.5, 0.5},
        CasConstruction{"mesureAngleAffichee_au_sommet",
                        [](TzoneAffichage& z) {
                            points(z, {{"O", 1, 1}, {"A", 3, 1}, {"B", 1, 4}});
                            mesureAngleAffichee(z, "P", "O", "A", "B", 0, 0, 0, 0);
                        },
                        1, 1},
        CasConstruction{"pointSurCercle",
                        [](TzoneAffichage& z) {
                            points(z, {{"A", 1, 0}, {"B", 3, 0}});
                            pointSurCercle(z, "P", "A", "B", -180, 180, 10, 90, 0, 0, 0);
                        },
                        1, 2},
        CasConstruction{"choixPoint_premier",
                        [](TzoneAffichage& z) {
                            points(z, {{"A", 1, 0}, {"B", 3, 0}});
                            choixPoint(z, "P", "A", "B", 0, 0, 0, 1);
                        },
                        1, 0},
        CasConstruction{"choixPoint_second",
                        [](TzoneAffichage& z) {
                            points(z, {{"A", 1, 0}, {"B", 3, 0}});
                            choixPoint(z, "P", "A", "B", 0, 0, 0, 2);
                        },
                        3, 0},
        CasConstruction{"pointEspace_projection_oblique",
                        [](TzoneAffichage& z) { pointEspace(z, "P", 0, 2, 1, 1, 0, 0); }, 0.2,
                        0.2}),
    [](const testing::TestParamInfo<CasConstruction>& info) { return info.param.nom; });

TEST_F(Figure, EtiquettesDeMesure) {
    points(*zone, {{"A", 0, 0}, {"B", 1, 1}, {"O", 0, 0}, {"C", 1, 0}});
    mesureLongueur(*zone, "m", "A", "B", 2, 0, 0, 0);
    mesureAngleAffichee(*zone, "a", "O", "C", "B", 1, 0, 0, 0);
    EXPECT_EQ(etiquetteObjet(*zone, "m"), "1,41");
    EXPECT_EQ(etiquetteObjet(*zone, "a"), "45\u00b0");
    placerPoint(*zone, "B", 3, 0);
    EXPECT_EQ(etiquetteObjet(*zone, "m"), "3") << "aucun zéro inutile";
    EXPECT_EQ(etiquetteObjet(*zone, "a"), "0\u00b0");
    modeEtiquette(*zone, "A", 1);
    placerPoint(*zone, "A", 0.5, -2);
    auto* a = dynamic_cast<TpointFigure*>(zone->objet(indiceObjet(*zone, "A")));
    EXPECT_EQ(a->texteEtiquette(), "A(0.5,-2)");
}

// Un cas dégénéré : la figure, les objets qui doivent devenir indéfinis, puis le placement
// qui les rend de nouveau définis (nom vide : aucun).
struct CasDegenere {
    const char* nom;
    std::function<void(TzoneAffichage&)> construire;
    std::vector<const char*> indefinis;
    const char* point;
    double x;
    double y;
};

class Degenere : public Figure, public testing::WithParamInterface<CasDegenere> {};

TEST_P(Degenere, IndefiniPuisRetabli) {
    const CasDegenere& c = GetParam();
    c.construire(*zone);
    for (const char* nom : c.indefinis) {
        ASSERT_NE(indiceObjet(*zone, nom), 0) << nom;
        EXPECT_FALSE(defini(nom)) << nom;
    }
    // Peindre une figure dégénérée ne dessine rien d'indéfini et ne plante pas.
    peindre();
    if (*c.point != '\0') {
        placerPoint(*zone, c.point, c.x, c.y);
        for (const char* nom : c.indefinis) {
            EXPECT_TRUE(defini(nom)) << nom;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cas, Degenere,
    testing::Values(
        CasDegenere{
            "points_confondus",
            [](TzoneAffichage& z) {
                points(z, {{"A", 1, 1}, {"B", 1, 1}, {"M", 0, 3}, {"C", -2, -1}, {"D", 2, -1}});
                droiteParPoints(z, "A", "B", 0, 1, 1);
                demiDroite(z, "A", "B", 0, 1, 1);
                mediatrice(z, "m", "A", "B", 0, 1, 1);
                perpendiculaire(z, "p", "M", "(AB)", 0, 1, 1);
                droiteParPoints(z, "C", "D", 0, 1, 1);
                pointIntersectionDroites(z, "I", "(AB)", "(CD)", 0, 0, 0);
                symetriqueAxe(z, "S", "(AB)", "M", 0, 0, 0);
            },
            {"(AB)", "[AB)", "m", "p", "I", "S"},
            "B",
            2,
            2},
        CasDegenere{"droites_paralleles",
                    [](TzoneAffichage& z) {
                        points(z, {{"A", 0, 0}, {"B", 1, 1}, {"C", 0, 1}, {"D", 1, 2}});
                        droiteParPoints(z, "A", "B", 0, 1, 1);
                        droiteParPoints(z, "C", "D", 0, 1, 1);
                        pointIntersectionDroites(z, "I", "(AB)", "(CD)", 0, 0, 0);
                        segmentSimple(z, "A", "I", 0);
                    },
                    {"I", "[AI]"},
                    "D",
                    2,
                    1},
        CasDegenere{"cercles_concentriques",
                    [](TzoneAffichage& z) {
                        points(z, {{"O", 0, 0}, {"A", 1, 0}, {"Q", 0, 0}, {"B", 2, 0}});
                        cercle(z, "c1", "O", "A", 0, 1, 1);
                        cercle(z, "c2", "Q", "B", 0, 1, 1);
                        pointIntersectionCercles(z, "I", "c1", "c2", 0, 0, 0);
                    },
                    {"I"},
                    "Q",
                    1.5,
                    0},
        CasDegenere{"cercles_sans_point_commun",
                    [](TzoneAffichage& z) {
                        points(z, {{"O", 0, 0}, {"A", 1, 0}, {"Q", 5, 0}, {"B", 6, 0}});
                        cercle(z, "c1", "O", "A", 0, 1, 1);
                        cercle(z, "c2", "Q", "B", 0, 1, 1);
                        pointIntersectionCercles(z, "I", "c1", "c2", 0, 0, 0);
                    },
                    {"I"},
                    "B",
                    0,
                    0},
        CasDegenere{"droite_loin_du_cercle",
                    [](TzoneAffichage& z) {
                        points(z, {{"O", 0, 0}, {"R", 1, 0}, {"A", -3, 3}, {"B", 3, 3}});
                        cercle(z, "c", "O", "R", 0, 1, 1);
                        droiteParPoints(z, "A", "B", 0, 1, 1);
                        pointIntersectionDroiteCercle(z, "I", "(AB)", "c", 0, 0, 0);
                    },
                    {"I"},
                    "R",
                    0,
                    4},
        CasDegenere{"cercle_de_rayon_nul",
                    [](TzoneAffichage& z) {
                        points(z, {{"O", 1, 1}, {"R", 1, 1}, {"A", -3, 3}, {"B", 3, 3}});
                        cercle(z, "c", "O", "R", 0, 1, 1);
                        droiteParPoints(z, "A", "B", 0, 1, 1);
                        pointIntersectionDroiteCercle(z, "I", "(AB)", "c", 0, 0, 0);
                    },
                    {"I"},
                    "R",
                    1,
                    3},
        CasDegenere{"report_sur_demi_droite_nulle",
                    [](TzoneAffichage& z) {
                        points(z, {{"C", 1, 1}, {"D", 1, 1}, {"A", 0, 0}, {"B", 0, 2}});
                        reportLongueur(z, "P", "C", "D", "A", "B", 0, 0, 0);
                    },
                    {"P"},
                    "D",
                    1,
                    2},
        CasDegenere{"angle_de_cote_nul",
                    [](TzoneAffichage& z) {
                        points(z, {{"O", 0, 0}, {"A", 0, 0}, {"B", 1, 0}, {"M", 2, 0}});
                        pointTourneAngle(z, "P", "O", "A", "B", "M", 0, 0, 0);
                        polygone(z, "poly", "O B P", 0);
                    },
                    {"P", "poly"},
                    "A",
                    0,
                    1},
        CasDegenere{"triangle_reduit_a_un_point",
                    [](TzoneAffichage& z) {
                        points(z, {{"A", 1, 1}, {"B", 1, 1}, {"C", 1, 1}});
                        centreCercleInscrit(z, "P", "A", "B", "C", 0, 0, 0);
                    },
                    {"P"},
                    "C",
                    3,
                    1},
        CasDegenere{
            "rayon_developpe_sur_demi_droite_nulle",
            [](TzoneAffichage& z) {
                points(z, {{"O", 0, 0}, {"A", 2, 0}, {"B", 0, 2}, {"K", 1, 1}, {"J", 1, 1}});
                arcAngle(z, "arc", "O", "A", "B", 0, 1, 1);
                rayonDeveloppe(z, "P", "K", "J", "arc", 0, 0, 0);
            },
            {"P"},
            "J",
            2,
            1},
        CasDegenere{"courbe_d_une_expression_illisible",
                    [](TzoneAffichage& z) { courbe(z, "f", "x^2+", -1, 1, 10, 0, 1, 1); },
                    {"f"},
                    "",
                    0,
                    0},
        CasDegenere{"courbe_jamais_calculable",
                    [](TzoneAffichage& z) {
                        courbeFonction(
                            z, "f", [](double) { return std::optional<double>(); }, -1, 1, 10, 0, 1,
                            1);
                    },
                    {"f"},
                    "",
                    0,
                    0}),
    [](const testing::TestParamInfo<CasDegenere>& info) { return info.param.nom; });

TEST_F(Figure, ParentAbsentOuMalChoisiRefuse) {
    points(*zone, {{"A", 0, 0}, {"B", 1, 0}});
    const int n = zone->nombreObjets();
    EXPECT_EQ(milieu(*zone, "M", "A", "Z", 0, 0, 0), 0);
    EXPECT_EQ(perpendiculaire(*zone, "p", "A", "B", 0, 1, 1), 0) << "B n'est pas une droite";
    EXPECT_EQ(pointIntersectionCercles(*zone, "I", "A", "B", 0, 0, 0), 0);
    EXPECT_EQ(polygone(*zone, "t", "A B X", 0), 0);
    EXPECT_EQ(zone->nombreObjets(), n);
}

TEST_F(Figure, CourbeSauteLesPointsIncalculables) {
    courbeFonction(
        *zone, "f",
        [](double x) { return x < 0 ? std::optional<double>() : std::optional<double>(x); }, -4, 4,
        9, 0x0000FF, 1, 1);
    EXPECT_TRUE(defini("f"));
    const QImage image = peindre();
    // Sur y = x à droite de l'origine, rien à gauche.
    EXPECT_EQ(image.pixel(xEcran(*zone, 2), yEcran(*zone, 2)), qRgb(0, 0, 255));
    EXPECT_TRUE(regionBlanche(image, QRect(0, 0, 228 - 2, 290)));
}

TEST_F(Figure, TraducteurDeCourbeInscrit) {
    installerTraducteurCourbe([](std::string_view e) -> TfonctionCourbe {
        if (e != "2x") {
            return {};
        }
        return [](double x) { return std::optional<double>(2 * x); };
    });
    courbe(*zone, "f", "2x", -1, 1, 3, 0, 1, 1);
    courbe(*zone, "g", "2x+", -1, 1, 3, 0, 1, 1);
    installerTraducteurCourbe(nullptr);
    EXPECT_TRUE(defini("f"));
    EXPECT_FALSE(defini("g")) << "expression illisible";
}

// Sans autre inscription, l'expression est lue par l'analyseur : y = x² − 1 passe par (2 ; 3)
// et par (0 ; −1), où elle est peinte.
TEST_F(Figure, CourbeDUneExpression) {
    courbe(*zone, "f", "x^2-1", -2, 2, 5, 0, 1, 1);
    ASSERT_TRUE(defini("f"));
    const auto* f = dynamic_cast<const TcourbeFigure*>(zone->objet(indiceObjet(*zone, "f")));
    ASSERT_NE(f, nullptr);
    ASSERT_EQ(f->echantillons.size(), 5u);
    EXPECT_NEAR(f->echantillons[4].x, 2, 1e-12);
    EXPECT_NEAR(f->echantillons[4].y, 3, 1e-12);
    EXPECT_NEAR(f->echantillons[2].y, -1, 1e-12);
    EXPECT_EQ(peindre().pixel(xEcran(*zone, 0), yEcran(*zone, -1)), qRgb(0, 0, 0));
}

// Les dépendants suivent un point placé, dans l'ordre de création.
TEST_F(Figure, RecalculDesDependants) {
    pointDeplacable(*zone, "A", 0, 0, 0);
    pointEtiquete(*zone, "B", 0, 2, 0, 0, 0);
    milieu(*zone, "I", "A", "B", 0, 0, 0);
    milieu(*zone, "J", "I", "B", 0, 0, 0);
    pointTourne(*zone, "K", "I", "J", 90, 0, 0, 0);
    placerPoint(*zone, "A", 2, 4);
    attendrePoint("I", 2, 2);
    attendrePoint("J", 2, 1);
    attendrePoint("K", 3, 2);
    placerSurPoint(*zone, "A", "B");
    attendrePoint("K", 2, 0);
    placerPoint(*zone, "I", 10, 10);
    // Un point construit ne se place pas.
    attendrePoint("I", 2, 0);
}

TEST_F(Figure, GlisserDeplaceLePointLibreEtRecalcule) {
    pointDeplacable(*zone, "A", 0, 0, 0);
    pointEtiquete(*zone, "B", 0, 2, 0, 0, 0);
    milieu(*zone, "M", "A", "B", 0, 0, 0);
    rendreMobile(*zone, "M");
    glisser(228, 145, 228 + 58, 145 - 29);
    attendrePoint("A", 2, 1);
    attendrePoint("M", 2, 0.5);
    EXPECT_EQ(dessins, 1);
    EXPECT_EQ(zone->objetSaisi, 0);

    // Un point construit ne se saisit pas, même rendu mobile ; un point fixe non plus.
    int px = 0;
    int py = 0;
    pixels("M", px, py);
    glisser(px, py, 10, 10);
    pixels("B", px, py);
    glisser(px, py, 10, 10);
    attendrePoint("M", 2, 0.5);
    attendrePoint("B", 2, 0);

    // Tiré loin hors de la zone : il reste sur le bord visible et le milieu le suit.
    glisser(xEcran(*zone, 2), yEcran(*zone, 1), 100000, -100000);
    attendrePoint("A", zone->xMax, zone->yMax);
    attendrePoint("M", (zone->xMax + 2) / 2, zone->yMax / 2);
}

TEST_F(Figure, GlisserSurGrilleEtRegle) {
    pointSurGrille(*zone, "G", 0, 1, 1, 0, 5, 0.5, 0, 3, 1, 0, 0);
    pointSurSegmentHorizontal(*zone, "H", 0, 1, -2, 0, 4, 1, 0, 0);
    glisser(xEcran(*zone, 1), yEcran(*zone, 1), xEcran(*zone, 2.26), yEcran(*zone, 1.8));
    // La souris tombe au pixel près : 2,26 est entre 2,25 et 2,75 une fois arrondi au pixel.
    attendrePoint("G", 2.5, 2);
    glisser(xEcran(*zone, 2.5), yEcran(*zone, 2), xEcran(*zone, -3), yEcran(*zone, 9));
    attendrePoint("G", 0, 3);
    glisser(xEcran(*zone, 1), yEcran(*zone, -2), xEcran(*zone, 2.4), yEcran(*zone, 0));
    attendrePoint("H", 2, -2);
    glisser(xEcran(*zone, 2), yEcran(*zone, -2), xEcran(*zone, 7), yEcran(*zone, 0));
    attendrePoint("H", 4, -2);
}

TEST_F(Figure, GlisserSurGrillesPolaireEtTriangulaire) {
    zone->repere.grillePolaire = true;
    pointDeplacable(*zone, "A", 0, 5, 0);
    zone->objetSaisi = indiceObjet(*zone, "A");
    zone->sourisReelX = 0.1;
    zone->sourisReelY = 2.95;
    deplacerPointSaisi(*zone);
    attendrePoint("A", std::cos(std::numbers::pi / 2) * 3, 3);

    // Grille triangulaire : colonne entière à l'intérieur du bord, rangée décalée de 1/√3
    // pour une colonne impaire, sous yMax − 0,1.
    zone->repere.grillePolaire = false;
    zone->repere.grilleTriangulaire = true;
    zone->sourisReelX = 100;
    zone->sourisReelY = 100;
    deplacerPointSaisi(*zone);
    attendrePoint("A", 7, 3 * 2 / std::sqrt(3.0) + 1 / std::sqrt(3.0));
    zone->sourisReelX = 2.2;
    zone->sourisReelY = 1.1;
    deplacerPointSaisi(*zone);
    attendrePoint("A", 2, 2 / std::sqrt(3.0));
}

TEST_F(Figure, GlisserSurCercleEtChoix) {
    points(*zone, {{"O", 0, 0}, {"U", 2, 0}, {"C", -2, -2}, {"D", 2, -2}});
    pointSurCercle(*zone, "P", "O", "U", 0, 90, 30, 0, 0, 0, 0);
    choixPoint(*zone, "Q", "C", "D", 0, 0, 0, 1);
    glisser(xEcran(*zone, 2), yEcran(*zone, 0), xEcran(*zone, 1), yEcran(*zone, 1.2));
    attendrePoint("P", 2 * std::cos(std::numbers::pi / 3), 2 * std::sin(std::numbers::pi / 3));
    // Au-delà du maximum, l'angle reste au maximum.
    glisser(xEcran(*zone, 1), yEcran(*zone, 1.732), xEcran(*zone, -1), yEcran(*zone, 1));
    attendrePoint("P", 2 * std::cos(std::numbers::pi / 2), 2);
    glisser(xEcran(*zone, -2), yEcran(*zone, -2), xEcran(*zone, 1), yEcran(*zone, -1));
    attendrePoint("Q", 2, -2);
}

// Un point de taille 5 couvre px − 1..px + 2 ; de taille 1, rien ; un point caché n'est ni
// peint ni saisissable.
TEST_F(Figure, PeintureDesPoints) {
    point(*zone, "A", "", 1, 1, 0, 0, 0xFF0000, 5);
    point(*zone, "B", "", -1, -1, 0, 0, 0xFF0000, 1);
    pointDeplacable(*zone, "C", 0x00FF00, 2, -2);
    cacherObjet(*zone, "C");
    const QImage image = peindre();
    const int px = xEcran(*zone, 1);
    const int py = yEcran(*zone, 1);
    for (int dx = -2; dx <= 3; ++dx) {
        const bool dedans = dx >= -1 && dx <= 2;
        EXPECT_EQ(image.pixel(px + dx, py) == qRgb(255, 0, 0), dedans) << dx;
        EXPECT_EQ(image.pixel(px, py + dx) == qRgb(255, 0, 0), dedans) << dx;
    }
    EXPECT_TRUE(regionBlanche(image, QRect(xEcran(*zone, -1) - 3, yEcran(*zone, -1) - 3, 7, 7)));
    EXPECT_TRUE(regionBlanche(image, QRect(xEcran(*zone, 2) - 3, yEcran(*zone, -2) - 3, 7, 7)));
    EXPECT_EQ(pointSousSouris(*zone, xEcran(*zone, 2), yEcran(*zone, -2)), 0);
}

TEST_F(Figure, DroitesEtPointsLointainsRestentDansLaZone) {
    pointEtiquete(*zone, "A", 0, 0, 0, 0, 0);
    pointEtiquete(*zone, "B", 0, 1e200, 1e200, 0, 0);
    pointEtiquete(*zone, "C", 0, -1e300, 0, 0, 0);
    segmentSimple(*zone, "A", "B", 0x0000FF);
    droiteParPoints(*zone, "A", "C", 0xFF0000, 1, 1);
    cercle(*zone, "c", "A", "B", 0, 1, 1);
    const QImage image = peindre();
    EXPECT_EQ(image.pixel(xEcran(*zone, 1), yEcran(*zone, 1)), qRgb(0, 0, 255));
    EXPECT_EQ(image.pixel(5, 145), qRgb(255, 0, 0)) << "droite horizontale d'un bord à l'autre";
    EXPECT_EQ(image.pixel(450, 145), qRgb(255, 0, 0));
}

TEST_F(Figure, DemiDroiteCommenceASonOrigine) {
    points(*zone, {{"A", 1, 0}, {"B", 2, 0}, {"C", -20, 1}, {"D", -21, 1}});
    demiDroite(*zone, "A", "B", 0x0000FF, 1, 1);
    demiDroite(*zone, "C", "D", 0x0000FF, 1, 1);
    const QImage image = peindre();
    EXPECT_EQ(image.pixel(xEcran(*zone, 5), 145), qRgb(0, 0, 255));
    EXPECT_TRUE(regionBlanche(image, QRect(0, 140, xEcran(*zone, 1) - 3, 10)));
    EXPECT_TRUE(regionBlanche(image, QRect(0, yEcran(*zone, 1) - 1, 456, 3)))
        << "origine au-delà du bord dans le sens de la demi-droite";
}

TEST_F(Figure, StylesDeTraitEtRemplissage) {
    points(*zone,
           {{"A", -4, 2}, {"B", 4, 2}, {"C", -4, 0}, {"D", 4, 0}, {"O", 0, -2.5}, {"R", 1, -2.5}});
    segment(*zone, "A", "B", 0x000000, 2, 1);
    segment(*zone, "C", "D", 0x000000, 5, 1);
    cercle(*zone, "c", "O", "R", 0xFF0000, 1, 1);
    changerRemplissage(*zone, "c", 1);
    const QImage image = peindre();
    int encreTiret = 0;
    for (int x = xEcran(*zone, -3); x < xEcran(*zone, 3); ++x) {
        encreTiret += encre(image, x, yEcran(*zone, 2)) ? 1 : 0;
    }
    EXPECT_GT(encreTiret, 0);
    EXPECT_LT(encreTiret, xEcran(*zone, 3) - xEcran(*zone, -3)) << "un tireté a des trous";
    // Pointe pleine au second bout : de l'encre au-dessus et au-dessous du trait, 5 pixels
    // en arrière de la pointe.
    const int xd = xEcran(*zone, 4);
    const int yd = yEcran(*zone, 0);
    EXPECT_TRUE(encre(image, xd - 7, yd - 1));
    EXPECT_TRUE(encre(image, xd - 7, yd + 1));
    EXPECT_FALSE(encre(image, xEcran(*zone, -4) + 7, yd - 2)) << "pas de pointe au premier bout";
    EXPECT_EQ(image.pixel(xEcran(*zone, -0.5), yEcran(*zone, -2.8)), qRgb(255, 0, 0))
        << "disque plein";
}

TEST_F(Figure, GrilleEtAxes) {
    zone->repere.visible = true;
    pointCache(*zone, "A", 0, 0, 0);
    QImage image = peindre();
    EXPECT_EQ(image.pixel(10, 145), qRgb(255, 0, 0)) << "axe des abscisses";
    EXPECT_EQ(image.pixel(228, 10), qRgb(255, 0, 0)) << "axe des ordonnées";
    EXPECT_EQ(image.pixel(xEcran(*zone, 2), 20), qRgb(0xE0, 0xE0, 0xE0)) << "quadrillage";
    EXPECT_EQ(image.pixel(20, yEcran(*zone, -3)), qRgb(0xE0, 0xE0, 0xE0));
    zone->repere.sansAxes = true;
    zone->repere.pasX = 1e-12;
    image = peindre();
    EXPECT_EQ(image.pixel(10, 145), qRgb(0xE0, 0xE0, 0xE0)) << "sans axes";
    EXPECT_EQ(image.pixel(xEcran(*zone, 2), 20), qRgb(255, 255, 255))
        << "un pas démesurément fin n'est pas peint";
    viderZone(*zone);
    EXPECT_DOUBLE_EQ(zone->repere.pasX, 1);
    EXPECT_FALSE(zone->repere.sansAxes);
    EXPECT_EQ(zone->repere.nomAxeX, "x");
}

// Demi-ellipse de centre A(0, 0) et de coin B(2, 1) : point de début selon le mode, moitié
// peinte dans le sens direct du début à son symétrique (sondée aux quatre quadrants).
TEST_F(Figure, DemiEllipses) {
    struct Cas {
        int mode;
        double xDebut;
        double yDebut;
        std::array<bool, 4> quadrants;
    };
    const Cas table[] = {{1, 0, 0, {true, true, true, true}},
                         {2, -2, 0, {false, false, true, true}},
                         {3, 2, 0, {true, true, false, false}},
                         {4, 0, 1, {false, true, true, false}},
                         {5, 0, -1, {true, false, false, true}}};
    for (const Cas& c : table) {
        viderZone(*zone);
        pointCache(*zone, "A", 0, 0, 0);
        pointCache(*zone, "B", 0, 2, 1);
        cacherObjet(*zone, "A");
        cacherObjet(*zone, "B");
        auto* e = dynamic_cast<TcercleFigure*>(
            zone->objet(ellipse(*zone, "e", "A", "B", c.mode, 0x0000FF, 1, 1)));
        ASSERT_NE(e, nullptr);
        if (c.mode != 1) {
            EXPECT_DOUBLE_EQ(e->debut.x, c.xDebut) << c.mode;
            EXPECT_DOUBLE_EQ(e->debut.y, c.yDebut) << c.mode;
            EXPECT_DOUBLE_EQ(e->fin.x, -c.xDebut) << c.mode;
            EXPECT_DOUBLE_EQ(e->fin.y, -c.yDebut) << c.mode;
        }
        const QImage image = peindre();
        for (int q = 0; q < 4; ++q) {
            const double t = (45 + 90 * q) * std::numbers::pi / 180;
            const QRect sonde(xEcran(*zone, 2 * std::cos(t)) - 2, yEcran(*zone, std::sin(t)) - 2, 5,
                              5);
            EXPECT_EQ(!regionBlanche(image, sonde), c.quadrants[static_cast<std::size_t>(q)])
                << "mode " << c.mode << ", quadrant " << q + 1;
        }
    }
}

// Flèches d'un arc : styles 4 et 5 au début, 4 et 7 à la fin ; secteur rempli pour un motif.
TEST_F(Figure, ArcsFlechesEtSecteurs) {
    points(*zone, {{"O", 0, 0}, {"A", 3, 0}, {"B", 0, 3}});
    cacherObjet(*zone, "O");
    cacherObjet(*zone, "A");
    cacherObjet(*zone, "B");
    const int arc = arcAngle(*zone, "a", "O", "A", "B", 0xFF0000, 1, 1);
    // Près du début (3, 0) : les traits de la flèche partent vers le haut, de part et d'autre
    // de l'arc.
    const QRect debut(xEcran(*zone, 3) - 14, yEcran(*zone, 0) - 14, 12, 10);
    // Près de la fin (0, 3) : ils partent vers la droite, l'un au-dessus du cercle.
    const QRect fin(xEcran(*zone, 0) + 4, yEcran(*zone, 3) - 8, 9, 5);
    const struct {
        int style;
        bool auDebut;
        bool aLaFin;
    } table[] = {{1, false, false}, {4, true, true}, {5, true, false}, {7, false, true}};
    for (const auto& c : table) {
        zone->objet(arc)->style = c.style;
        const QImage image = peindre();
        EXPECT_EQ(!regionBlanche(image, debut), c.auDebut) << c.style;
        EXPECT_EQ(!regionBlanche(image, fin), c.aLaFin) << c.style;
    }
    zone->objet(arc)->style = 1;
    changerRemplissage(*zone, "a", 1);
    const QImage secteur = peindre();
    EXPECT_EQ(secteur.pixel(xEcran(*zone, 1), yEcran(*zone, 1)), qRgb(255, 0, 0));
    EXPECT_EQ(secteur.pixel(xEcran(*zone, -1), yEcran(*zone, -1)), qRgb(255, 255, 255));
}

TEST_F(Figure, PolygoneDeQuaranteSommetsAuPlus) {
    std::string quarante;
    for (int i = 0; i < 41; ++i) {
        const std::string nom = "P" + std::to_string(i);
        pointCache(*zone, nom, 0, std::cos(i * 0.15), std::sin(i * 0.15));
        if (i < 40) {
            quarante += nom + " ";
        }
    }
    EXPECT_NE(polygone(*zone, "q", quarante, 0), 0);
    EXPECT_EQ(polygone(*zone, "r", quarante + "P40", 0), 0);
}

// Une cote : flèche double décalée de quelques pixels.
TEST_F(Figure, CoteDecalee) {
    points(*zone, {{"A", -2, 0}, {"B", 2, 0}});
    cacherObjet(*zone, "A");
    cacherObjet(*zone, "B");
    cote(*zone, "k", "A", "B", 0, -10, 0x0000FF);
    const QImage image = peindre();
    EXPECT_EQ(image.pixel(228, 135), qRgb(0, 0, 255));
    EXPECT_TRUE(regionBlanche(image, QRect(0, 140, 456, 10)));
    EXPECT_TRUE(encre(image, xEcran(*zone, 2) - 5, 134)) << "pointe à droite";
    EXPECT_TRUE(encre(image, xEcran(*zone, -2) + 5, 136)) << "pointe à gauche";
}

} // namespace
