#include "analysis/geometrie/constructions.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <numbers>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace {

using namespace constructions;

// Une construction et le point qu'elle doit donner (rien : la construction est impossible).
struct CasConstruction {
    std::string nom;
    std::function<std::optional<TpointMonde>()> construire;
    std::optional<TpointMonde> attendu;
};

void PrintTo(const CasConstruction& c, std::ostream* os) {
    *os << c.nom;
}

class Construction : public testing::TestWithParam<CasConstruction> {};

TEST_P(Construction, PointOuRien) {
    const CasConstruction& c = GetParam();
    const std::optional<TpointMonde> obtenu = c.construire();
    ASSERT_EQ(obtenu.has_value(), c.attendu.has_value());
    if (c.attendu) {
        EXPECT_NEAR(obtenu->x, c.attendu->x, 1e-9);
        EXPECT_NEAR(obtenu->y, c.attendu->y, 1e-9);
    }
}

const double racine2 = std::sqrt(2.0);

INSTANTIATE_TEST_SUITE_P(
    Geometrie, Construction,
    testing::Values(
        CasConstruction{"droitesSecantes",
                        [] {
                            return intersectionDroites({0, 3}, {1, -1}, {1, 0}, {1, 1});
                        },
                        TpointMonde{2, 1}},
        CasConstruction{"droitesParalleles",
                        [] {
                            return intersectionDroites({0, 0}, {1, 1}, {1, 0}, {2, 2});
                        },
                        std::nullopt},
        // Droite y = 2(1 + 1e-9) : le point de contact, pas de refus.
        CasConstruction{"droiteTangente",
                        [] {
                            return intersectionDroiteCercle({0, 2 * (1 + 1e-9)}, {1, 0}, {0, 0}, 2);
                        },
                        TpointMonde{0, 2 * (1 + 1e-9)}},
        CasConstruction{"droiteExterieure",
                        [] {
                            return intersectionDroiteCercle({0, 3}, {1, 0}, {0, 0}, 2);
                        },
                        std::nullopt},
        // Le point retenu est le plus loin dans le sens de la droite.
        CasConstruction{"droiteVersLaDroite",
                        [] {
                            return intersectionDroiteCercle({0, 0}, {1, 0}, {0, 0}, 2);
                        },
                        TpointMonde{2, 0}},
        CasConstruction{"droiteVersLaGauche",
                        [] {
                            return intersectionDroiteCercle({0, 0}, {-1, 0}, {0, 0}, 2);
                        },
                        TpointMonde{-2, 0}},
        // Le point retenu est à gauche de la droite orientée du premier centre au second :
        // échanger les cercles donne l'autre point.
        CasConstruction{"cerclesDansUnSens",
                        [] {
                            return intersectionCercles({0, 0}, 5, {8, 0}, 5);
                        },
                        TpointMonde{4, 3}},
        CasConstruction{"cerclesDansLAutre",
                        [] {
                            return intersectionCercles({8, 0}, 5, {0, 0}, 5);
                        },
                        TpointMonde{4, -3}},
        CasConstruction{"cerclesMemeCentre",
                        [] {
                            return intersectionCercles({1, 1}, 2, {1, 1}, 3);
                        },
                        std::nullopt},
        CasConstruction{"cerclesEloignes",
                        [] {
                            return intersectionCercles({0, 0}, 1, {5, 0}, 1);
                        },
                        std::nullopt},
        CasConstruction{"direction",
                        [] {
                            return directionUnitaire({1, 1}, {4, 5});
                        },
                        TpointMonde{0.6, 0.8}},
        CasConstruction{"directionNulle",
                        [] {
                            return directionUnitaire({1, 1}, {1, 1});
                        },
                        std::nullopt},
        CasConstruction{"directionSousLeSeuil",
                        [] {
                            return directionUnitaire({0, 0}, {1e-7, 0}, 1e-6);
                        },
                        std::nullopt},
        CasConstruction{"report",
                        [] {
                            return reportLongueur({0, 0}, {2, 2}, {5, 5}, {6, 6});
                        },
                        TpointMonde{1, 1}},
        CasConstruction{"reportSurDemiDroiteNulle",
                        [] {
                            return reportLongueur({1, 0}, {1, 0}, {0, 0}, {1, 1});
                        },
                        std::nullopt},
        CasConstruction{"centreInscrit",
                        [] {
                            return centreCercleInscrit({0, 0}, {4, 0}, {0, 3});
                        },
                        TpointMonde{1, 1}},
        CasConstruction{"centreInscritPointsConfondus",
                        [] {
                            return centreCercleInscrit({2, 2}, {2, 2}, {2, 2});
                        },
                        std::nullopt},
        CasConstruction{"symetriqueAxeVertical",
                        [] {
                            return std::optional(symetriqueDroite({1, 0}, {0, 1}, {3, 5}));
                        },
                        TpointMonde{-1, 5}},
        CasConstruction{
            "symetriqueDiagonale",
            [] {
                return std::optional(symetriqueDroite({0, 0}, {1 / racine2, 1 / racine2}, {2, 0}));
            },
            TpointMonde{0, 2}},
        CasConstruction{"rotationQuartDeTour",
                        [] {
                            return std::optional(rotationPoint({1, 1}, {2, 1}, 90));
                        },
                        TpointMonde{1, 2}},
        CasConstruction{"rotationSensIndirect",
                        [] {
                            return std::optional(rotationPoint({0, 0}, {1, 0}, -90));
                        },
                        TpointMonde{0, -1}},
        CasConstruction{"affine",
                        [] {
                            return std::optional(pointAffine({1, 1}, {3, 1}, {1, 2}, 1, 1));
                        },
                        TpointMonde{3, 2}},
        CasConstruction{"symetriqueCentral",
                        [] {
                            return std::optional(pointSurDroite({1, 1}, {3, 2}, -1));
                        },
                        TpointMonde{-1, 0}}),
    [](const testing::TestParamInfo<CasConstruction>& info) { return info.param.nom; });

TEST(Geometrie, ArcCosinusExactPresDesBornes) {
    EXPECT_NEAR(arcCosDegres(0.5), 60, 1e-9);
    EXPECT_NEAR(arcCosDegres(0.8), std::acos(0.8) * 180 / std::numbers::pi, 1e-9);
    EXPECT_NEAR(arcCosDegres(-1), 180, 1e-9);
    // Un cosinus qui déborde un peu de 1 par l'arrondi donne 0, pas un nombre non numérique.
    EXPECT_EQ(arcCosDegres(1.0000000001), 0);
}

TEST(Geometrie, AnglesOrientes) {
    EXPECT_NEAR(*angleOriente({1, 0}, {0, 1}), 90, 1e-9);
    EXPECT_NEAR(*angleOriente({1, 0}, {0, -1}), -90, 1e-9);
    EXPECT_NEAR(*angleOriente({1, 0}, {-1, 0}), 180, 1e-9);
    EXPECT_NEAR(*angleOriente360({1, 0}, {0, -1}), 270, 1e-9);
    EXPECT_NEAR(*angleOriente360({1, 0}, {1, 1}), 45, 1e-9);
    EXPECT_FALSE(angleOriente({0, 0}, {1, 0}));
    EXPECT_FALSE(angleOriente360({1, 0}, {1e-11, 0}));
}

} // namespace
