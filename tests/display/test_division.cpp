// Division posée : calcul sur les chaînes de chiffres, mise en page (premier dividende
// partiel, quotient, restes et chiffres abaissés, virgules), refus des divisions
// impossibles et dessin dans une zone.

#include "display/division/blocdivision.h"
#include "display/division/chiffresdivision.h"
#include "display/division/objetdivision.h"
#include "display/zones/boitepeinture.h"
#include "display/zones/zoneaffichage.h"
#include "tests/display/dessin.h"
#include "tests/display/zoneessai.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

TEST(ChiffresDivision, Operations) {
    EXPECT_TRUE(comparerChiffres("12", "12"));
    EXPECT_TRUE(comparerChiffres("99", "100"));
    EXPECT_FALSE(comparerChiffres("100", "99"));
    EXPECT_FALSE(comparerChiffres("13", "12"));
    EXPECT_EQ(completerZeros(5, "42"), "00042");
    EXPECT_EQ(completerZeros(1, "42"), "42");
    EXPECT_EQ(soustraireChiffres("49", "53"), "4");
    EXPECT_EQ(soustraireChiffres("999", "1000"), "1");
    EXPECT_EQ(soustraireChiffres("7", "7"), "0");
    EXPECT_EQ(multiplierChiffre(7, "143"), "1001");
    EXPECT_EQ(multiplierChiffre(0, "143"), "0");
}

// Une division posée : ses données, le quotient et les écritures attendues (rangée, colonne
// du dernier chiffre, chiffres), la virgule du quotient.
struct CasDivision {
    const char* nom;
    const char* dividende;
    const char* diviseur;
    int decimales;
    int largeurPremier;
    std::string quotient;
    std::vector<std::tuple<int, int, std::string>> ecritures;
    int virguleQuotient;
};

class Pose : public testing::TestWithParam<CasDivision> {};

TEST_P(Pose, MiseEnPage) {
    const CasDivision& c = GetParam();
    TblocDiv bloc;
    ASSERT_TRUE(preparerDivision(bloc, c.dividende, c.diviseur, c.decimales));
    poserDivision(bloc);
    EXPECT_EQ(bloc.largeurPremier, c.largeurPremier);
    EXPECT_EQ(bloc.quotient, c.quotient);
    std::vector<std::tuple<int, int, std::string>> ecritures;
    for (const TblocDiv::Tentree& e : bloc.entrees) {
        ecritures.emplace_back(e.rangee, e.colonne, e.chiffres);
    }
    EXPECT_EQ(ecritures, c.ecritures);
    EXPECT_EQ(bloc.virguleQuotient, c.virguleQuotient);
    EXPECT_EQ(bloc.etapeAffichee, bloc.etape) << "toute la division est montrée";
}

INSTANTIATE_TEST_SUITE_P(
    Divisions, Pose,
    testing::Values(CasDivision{"cent_soixante_treize_par_douze",
                                "173",
                                "12",
                                0,
                                2,
                                "14",
                                {{1, 2, "5"}, {1, 3, "3"}, {2, 3, "5"}},
                                0},
                    CasDivision{"mille_deux_cent_trente_quatre_par_sept",
                                "1234",
                                "7",
                                0,
                                2,
                                "176",
                                {{1, 2, "5"}, {1, 3, "3"}, {2, 3, "4"}, {2, 4, "4"}, {3, 4, "2"}},
                                0},
                    // Le premier dividende partiel prendrait deux chiffres : il est borné à la
                    // partie entière.
                    CasDivision{"cinq_par_douze", "5", "12", 0, 1, "0", {}, 0},
                    CasDivision{"avec_virgule_et_decimales",
                                "12,5",
                                "4",
                                2,
                                2,
                                "312",
                                {{1, 2, "0"}, {1, 3, "5"}, {2, 3, "1"}, {2, 4, "0"}, {3, 4, "2"}},
                                1},
                    CasDivision{
                        "zeros_finaux_non_abaisses", "12", "4", 2, 2, "3", {{1, 2, "0"}}, 0},
                    CasDivision{"virgule_apres_un_quotient_nul",
                                "5,2",
                                "12",
                                0,
                                1,
                                "04",
                                {{0, 2, "2"}, {1, 2, "4"}},
                                1},
                    CasDivision{"diviseur_immense",
                                "123",
                                "987654321098765432109876543210987654321098765432109876543210",
                                0,
                                3,
                                "0",
                                {},
                                0}),
    [](const testing::TestParamInfo<CasDivision>& info) { return info.param.nom; });

TEST(Pose, DivisionsRefusees) {
    const std::vector<std::pair<const char*, const char*>> refus{
        {"12", "0"}, {"12", "000"},  {"12", ""},  {"12", "3a"}, {"12", "-3"},
        {"", "3"},   {"1,2,3", "3"}, {"1x", "3"}, {",", "3"}};
    for (const auto& [dividende, diviseur] : refus) {
        TblocDiv bloc;
        EXPECT_FALSE(preparerDivision(bloc, dividende, diviseur, 2))
            << dividende << " / " << diviseur;
    }
}

TEST(Pose, GeometrieDuBloc) {
    TblocDiv bloc;
    ASSERT_TRUE(preparerDivision(bloc, "1234", "7", 0));
    poserDivision(bloc);
    calculerGeometrie(bloc, 100, 50);
    EXPECT_DOUBLE_EQ(bloc.pasLigne, 20.8);
    EXPECT_DOUBLE_EQ(bloc.pasChiffre, 13);
    EXPECT_DOUBLE_EQ(bloc.yBarre, 70.8);
    EXPECT_DOUBLE_EQ(bloc.xBarre, 100 + 4 * 13 + 3);
    EXPECT_DOUBLE_EQ(bloc.xDiviseur, bloc.xBarre + 3);
    EXPECT_DOUBLE_EQ(bloc.xFinBarre, bloc.xDiviseur + 3 * 13);
    EXPECT_DOUBLE_EQ(bloc.yFin, 70.8 + 3 * 20.8);
}

class DivisionDansZone : public ZoneEssai {
protected:
    DivisionDansZone() : ZoneEssai(400, 200) {}
};

TEST_F(DivisionDansZone, PeinteAvecSesTraits) {
    zone->marge = 1;
    const int i = ajouterDivision(*zone, "1234", "7", 0, 2, 1);
    auto* d = dynamic_cast<Tdivision*>(zone->objet(i));
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(d->nom, "division1");
    EXPECT_DOUBLE_EQ(d->x, 24);
    EXPECT_DOUBLE_EQ(d->y, 18);
    const QImage image = peindre();
    // Trait vertical en x = 24 + 4 × 13 + 3 = 79, de y = 18 à 18 + 20,8 × 4 ; trait
    // horizontal en y = 38,8 (arrondi 39).
    EXPECT_TRUE(encre(image, 79, 30));
    EXPECT_TRUE(encre(image, 79, 95));
    EXPECT_FALSE(encre(image, 79, 110));
    EXPECT_TRUE(encre(image, 100, 39));
    EXPECT_FALSE(regionBlanche(image, QRect(24, 20, 52, 18))) << "le dividende";
    EXPECT_FALSE(regionBlanche(image, QRect(82, 41, 39, 18))) << "le quotient";
}

TEST_F(DivisionDansZone, ImpossibleNestPasPeinte) {
    ajouterDivision(*zone, "1234", "0", 2, 2, 1);
    ajouterDivision(*zone, "12a", "7", 2, 2, 1);
    EXPECT_TRUE(regionBlanche(peindre(), QRect(0, 0, 400, 200)));
}

TEST_F(DivisionDansZone, TextesLongsCoupes) {
    const std::string long_(200, '9');
    auto* d =
        dynamic_cast<Tdivision*>(zone->objet(ajouterDivision(*zone, long_, long_, 500, 0, 1)));
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(d->dividende.size(), 120u);
    peindre();
}

} // namespace
