// Marques d'usage (angle droit, codages, arcs d'angle, quadrillage, graduation) et leur
// géométrie, mesures et tests de position sur des points nommés.

#include "display/figures/marquesfigure.h"
#include "display/figures/mesuresfigure.h"
#include "display/figures/polygonefigure.h"
#include "tests/display/figure.h"

#include <cmath>
#include <functional>
#include <numbers>
#include <vector>

namespace {

// Le carré d'angle droit : O, le point à `taille` sur [OP1), le quatrième sommet, le point à
// `taille` sur [OP2) ; il suit ses points de base.
TEST_F(Figure, AngleDroitSuitSesPoints) {
    points(*zone, {{"O", 1, 1}, {"P", 4, 1}, {"Q", 1, 5}});
    angleDroit(*zone, "d", "O", "P", "Q", 0.5, 0x0000FF, 0);
    auto* carre = dynamic_cast<TpolygoneFigure*>(zone->objet(indiceObjet(*zone, "d")));
    ASSERT_NE(carre, nullptr);
    const std::vector<std::pair<double, double>> attendu{
        {1, 1}, {1.5, 1}, {1.5, 1.5}, {1, 1.5}, {1, 1}};
    ASSERT_EQ(carre->coordonnees.size(), attendu.size());
    for (std::size_t i = 0; i < attendu.size(); ++i) {
        EXPECT_NEAR(carre->coordonnees[i].x, attendu[i].first, 1e-12) << i;
        EXPECT_NEAR(carre->coordonnees[i].y, attendu[i].second, 1e-12) << i;
    }
    const QImage image = peindre();
    EXPECT_EQ(image.pixel(xEcran(*zone, 1.25), yEcran(*zone, 1.5)), qRgb(0, 0, 255));
    EXPECT_FALSE(zone->objet(indiceObjet(*zone, "d_2"))->visible) << "auxiliaire caché";
    placerPoint(*zone, "P", 1, -3);
    placerPoint(*zone, "Q", 5, 1);
    EXPECT_NEAR(carre->coordonnees[2].x, 1.5, 1e-12);
    EXPECT_NEAR(carre->coordonnees[2].y, 0.5, 1e-12);
    angleDroit(*zone, "e", "O", "P", "Q", 0.5, 0x0000FF, 1);
    EXPECT_EQ(zone->objet(indiceObjet(*zone, "e"))->remplissage, 1);
}

// Codages : traits à ±taille·cos 80° du milieu pour le double trait, perpendiculaires à
// [AB] ; le type 3 n'ajoute que des points cachés.
TEST_F(Figure, CodageSegment) {
    points(*zone, {{"A", 0, 0}, {"B", 4, 0}});
    const QImage avant = peindre();
    codageSegment(*zone, "k", "A", "B", 0.3, 0, 3);
    EXPECT_TRUE(peindre() == avant);
    codageSegment(*zone, "c", "A", "B", 0.3, 0, 2);
    const double d = 0.3 * std::cos(80 * std::numbers::pi / 180);
    const double h = 0.3 * std::sin(80 * std::numbers::pi / 180);
    attendrePoint("c_4", 2 + d, h);
    attendrePoint("c_7", 2 + d, -h);
    attendrePoint("c_6", 2 - d, h);
    attendrePoint("c_5", 2 - d, -h);
    EXPECT_NE(indiceObjet(*zone, "[c_4c_7]"), 0);
    EXPECT_NE(indiceObjet(*zone, "[c_6c_5]"), 0);
    codageSegment(*zone, "u", "A", "B", 0.5, 0, 1);
    attendrePoint("u_4", 2 + 0.5 * std::cos(80 * std::numbers::pi / 180),
                  0.5 * std::sin(80 * std::numbers::pi / 180));
    attendrePoint("u_5", 2 - 0.5 * std::cos(80 * std::numbers::pi / 180),
                  -0.5 * std::sin(80 * std::numbers::pi / 180));
    placerPoint(*zone, "B", 0, 4);
    attendrePoint("c_2", 0, 2);
}

TEST_F(Figure, ArcsDeMarque) {
    points(*zone, {{"O", 0, 0}, {"A", 3, 0}, {"B", 0, 3}, {"M", 2, 2}});
    arcMarqueAngle(*zone, "a", "O", "A", "B", 1, 0xFF0000, 2);
    attendrePoint("a_2", 1, 0);
    attendrePoint("a_3", 0, 1);
    attendrePoint("a_5", 1.3, 0);
    EXPECT_NE(indiceObjet(*zone, "a_bis"), 0);
    marqueAngle(*zone, "m", "O", "M", 90);
    attendrePoint("m_1", 2 * std::sqrt(2.0), 0);
    attendrePoint("m_2", 0, 2 * std::sqrt(2.0));
    EXPECT_EQ(zone->objet(indiceObjet(*zone, "m"))->couleur, 0xC0C0C0u);
    const QImage image = peindre();
    // Arc de rayon 1 (29 pixels) à 45 degrés.
    const int r = 29;
    const int x = 228 + static_cast<int>(std::lround(r * std::cos(std::numbers::pi / 4)));
    const int y = 145 - static_cast<int>(std::lround(r * std::sin(std::numbers::pi / 4)));
    EXPECT_FALSE(regionBlanche(image, QRect(x - 1, y - 1, 3, 3)));
    EXPECT_TRUE(regionBlanche(image, QRect(228 - r - 3, 145 + 5, 10, 10))) << "pas sous l'axe";
}

TEST_F(Figure, QuadrillageEtGraduation) {
    points(*zone, {{"A", 0, 0}, {"B", 1, 0}, {"C", 0, 1}});
    const int avant = zone->nombreObjets();
    quadrillage(*zone, "q", "A", "B", "C", 3, 2, 0);
    // Points du bord : 2 × 4 + 2 × 1 ; segments : 4 + 3.
    EXPECT_EQ(zone->nombreObjets() - avant, 10 + 7);
    attendrePoint("q_3_2", 3, 2);
    graduation(*zone, "g", "A", "B", "C", 4, 0);
    attendrePoint("g_4_1", 4, 1);
    EXPECT_NE(indiceObjet(*zone, "[g_2_0g_2_1]"), 0);
}

struct CasTest {
    const char* nom;
    std::function<bool(const TzoneAffichage&)> test;
    bool attendu;
};

class Mesures : public Figure {
protected:
    void SetUp() override {
        Figure::SetUp();
        points(*zone, {{"A", 0, 0},
                       {"B", 2, 0},
                       {"C", 4, 0},
                       {"D", -1, 0},
                       {"E", 0, 1e-4},
                       {"F", 1e-4, 0},
                       {"G", 2, 2},
                       {"H", 0, 2},
                       {"I", 2, 2}});
        polygone(*zone, "ABGH", "A B G H", 0);
        polygone(*zone, "GHAB", "G H A B", 0);
        polygone(*zone, "AHGB", "A H G B", 0);
        polygone(*zone, "ABHG", "A B H G", 0);
        polygone(*zone, "ABG", "A B G", 0);
    }
};

class Tests : public Mesures, public testing::WithParamInterface<CasTest> {};

TEST_P(Tests, Resultat) {
    EXPECT_EQ(GetParam().test(*zone), GetParam().attendu);
}

using Z = const TzoneAffichage&;

INSTANTIATE_TEST_SUITE_P(
    Figure, Tests,
    testing::Values(
        CasTest{"confondus", [](Z z) { return pointsConfondus(z, "G", "I"); }, true},
        CasTest{"confondus_nom_absent_vaut_origine",
                [](Z z) { return pointsConfondus(z, "A", "absent"); }, true},
        CasTest{"alignes_tolerance_absolue", [](Z z) { return alignes(z, "A", "E", "F"); }, true},
        CasTest{"non_alignes", [](Z z) { return alignes(z, "A", "B", "G"); }, false},
        CasTest{"paralleles", [](Z z) { return paralleles(z, "A", "B", "H", "G"); }, true},
        CasTest{"non_paralleles", [](Z z) { return paralleles(z, "A", "G", "H", "B"); }, false},
        CasTest{"meme_segment_retourne", [](Z z) { return memeSegment(z, "A", "B", "B", "A"); },
                true},
        CasTest{"meme_demi_droite", [](Z z) { return memeDemiDroite(z, "A", "B", "A", "C"); },
                true},
        CasTest{"demi_droite_opposee", [](Z z) { return memeDemiDroite(z, "A", "B", "A", "D"); },
                false},
        CasTest{"meme_droite", [](Z z) { return memeDroite(z, "A", "B", "D", "C"); }, true},
        CasTest{"meme_longueur", [](Z z) { return memeLongueur(z, "A", "B", "A", "H"); }, true},
        CasTest{"meme_triangle", [](Z z) { return memeTriangle(z, "A", "B", "G", "G", "A", "B"); },
                true},
        CasTest{"autre_triangle", [](Z z) { return memeTriangle(z, "A", "B", "G", "A", "B", "H"); },
                false},
        CasTest{"vecteurs_nuls", [](Z z) { return vecteursEgaux(z, "A", "A", "C", "C"); }, true},
        CasTest{"un_vecteur_nul", [](Z z) { return vecteursEgaux(z, "A", "B", "C", "C"); }, false},
        CasTest{"vecteurs_egaux", [](Z z) { return vecteursEgaux(z, "A", "B", "H", "G"); }, true},
        CasTest{"vecteurs_opposes", [](Z z) { return vecteursEgaux(z, "A", "B", "G", "H"); },
                false},
        CasTest{"polygone_decale", [](Z z) { return polygonesEgaux(z, "ABGH", "GHAB"); }, true},
        CasTest{"polygone_renverse", [](Z z) { return polygonesEgaux(z, "ABGH", "AHGB"); }, true},
        CasTest{"polygone_croise", [](Z z) { return polygonesEgaux(z, "ABGH", "ABHG"); }, false},
        CasTest{"polygones_de_tailles_differentes",
                [](Z z) { return polygonesEgaux(z, "ABGH", "ABG"); }, false},
        CasTest{"pas_un_polygone", [](Z z) { return polygonesEgaux(z, "ABGH", "A"); }, false}),
    [](const testing::TestParamInfo<CasTest>& info) { return info.param.nom; });

TEST_F(Mesures, MesuresEtAngles) {
    EXPECT_DOUBLE_EQ(distancePoints(*zone, "A", "G"), std::sqrt(8.0));
    EXPECT_NEAR(mesureAngle(*zone, "B", "A", "G"), 45, 1e-12);
    EXPECT_NEAR(mesureAngle(*zone, "B", "A", "D"), 180, 1e-12);
    EXPECT_NEAR(mesureAngleOriente(*zone, "B", "A", "G"), 45, 1e-12);
    EXPECT_NEAR(mesureAngleOriente(*zone, "G", "A", "B"), -45, 1e-12);
    EXPECT_EQ(mesureAngle(*zone, "A", "A", "B"), 0) << "côté nul";
}

} // namespace
