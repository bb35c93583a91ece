#include "analysis/nombres/arithmetique.h"
#include "analysis/nombres/ecriturenombre.h"
#include "analysis/nombres/hasard.h"
#include "analysis/nombres/lecturenombre.h"
#include "analysis/texte/chaines.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using nombres::LectureNombre;

struct CasLecture {
    const char* nom;
    const char* texte;
    int genre;
    double valeur;
    double numerateur;
    double denominateur;
};

class Lecture : public testing::TestWithParam<CasLecture> {};

TEST_P(Lecture, GenreEtValeur) {
    const CasLecture& c = GetParam();
    const LectureNombre lu = nombres::lireNombre(c.texte);
    EXPECT_EQ(lu.genre, c.genre);
    EXPECT_EQ(lu.estIllisible(), c.genre == 1 || c.genre == 7);
    if (!lu.estIllisible()) {
        EXPECT_DOUBLE_EQ(lu.valeur, c.valeur);
        EXPECT_DOUBLE_EQ(lu.numerateur, c.numerateur);
        EXPECT_DOUBLE_EQ(lu.denominateur, c.denominateur);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Nombres, Lecture,
    testing::Values(
        CasLecture{"decimalNegatifAvecBlancs", "- 3,50", 3, -3.5, 3.5, 1},
        CasLecture{"entierSigne", "+7", 2, 7, 7, 1},
        CasLecture{"decimalPoint", "2.25", 3, 2.25, 2.25, 1},
        CasLecture{"troisVirguleZero", "3,0", 3, 3, 3, 1},
        CasLecture{"denominateurNul", "3/0", 7, 0, 3, 0},
        CasLecture{"fractionDecimale", "1,5/3", 5, 0.5, 1.5, 3},
        CasLecture{"fractionEntiers", "12/18", 4, 12.0 / 18, 12, 18},
        CasLecture{"fractionNegative", "-6 / 4", 4, -1.5, 6, 4},
        CasLecture{"zeroSurCinq", "0/5", 4, 0, 0, 5}, CasLecture{"vide", "", 1, 0, 0, 1},
        // 15 chiffres se lisent exactement (au-delà de 32 bits).
        CasLecture{"quinzeChiffres", "123456789012345", 2, 123456789012345.0, 123456789012345.0, 1},
        CasLecture{"seizeChiffres", "1234567890123456", 1, 0, 0, 1},
        CasLecture{"pointFinal", "3.", 1, 0, 0, 1}, CasLecture{"virguleInitiale", ",5", 1, 0, 0, 1},
        CasLecture{"deuxSeparateurs", "1,2.3", 1, 0, 0, 1},
        CasLecture{"signeSeul", "-", 1, 0, 0, 1},
        CasLecture{"notationScientifique", "3,5e4", 1, 0, 0, 1},
        CasLecture{"deuxBarres", "1/2/3", 1, 0, 0, 1}),
    [](const auto& info) { return std::string(info.param.nom); });

TEST(Lecture, TexteVersReel) {
    EXPECT_DOUBLE_EQ(nombres::texteVersReel("3,25"), 3.25);
    EXPECT_DOUBLE_EQ(nombres::texteVersReel(" -0.5 "), -0.5);
    EXPECT_DOUBLE_EQ(nombres::texteVersReel("abc"), 0);
}

struct CasEcriture {
    const char* nom;
    std::string obtenu;
    std::string attendu;
};

class Ecriture : public testing::TestWithParam<CasEcriture> {};

TEST_P(Ecriture, Texte) {
    EXPECT_EQ(GetParam().obtenu, GetParam().attendu);
}

INSTANTIATE_TEST_SUITE_P(
    Nombres, Ecriture,
    testing::Values(
        CasEcriture{"reelDixieme", nombres::texteReel(0.1), "0.1"},
        CasEcriture{"reelTiers", nombres::texteReel(1.0 / 3), "0.33333333333"},
        CasEcriture{"reelNegatif", nombres::texteReel(-2.5), "-2.5"},
        CasEcriture{"reelEntier", nombres::texteReel(12), "12"},
        CasEcriture{"virguleDemi", nombres::texteReelVirgule(0.5), "0,5"},
        CasEcriture{"virguleZeroNegatif", nombres::texteReelVirgule(-0.0), "0"},
        CasEcriture{"virguleQuasiZeroNegatif", nombres::texteReelVirgule(-1e-13), "0"},
        CasEcriture{"signePositif", nombres::texteReelSigne(3), "+ 3"},
        CasEcriture{"signeNegatif", nombres::texteReelSigne(-2), "-2"},
        CasEcriture{"signeZero", nombres::texteReelSigne(0), "0"},
        CasEcriture{"arrondiPi", nombres::texteArrondi(2, 3.14159), "3.14"},
        CasEcriture{"arrondiMoitie", nombres::texteArrondi(0, 2.5), "3"},
        CasEcriture{"arrondiNegatifNul", nombres::texteArrondi(2, -0.001), "0"},
        CasEcriture{"arrondiEntier", nombres::texteArrondi(1, 7), "7"},
        CasEcriture{"arrondiTiers", nombres::texteArrondi(3, 1.0 / 3), "0.333"},
        CasEcriture{"arrondiGrand", nombres::texteArrondi(2, 1.5e12), "1.5 x 10^(12)"},
        CasEcriture{"arrondiTresGrand", nombres::texteArrondi(2, 1.23e15), "1.23 x 10^(15)"},
        // Un double inexact montre ses 18 chiffres significatifs, correctement arrondis.
        CasEcriture{"arrondiTresPetit", nombres::texteArrondi(11, 2.5e-12),
                    "2.49999999999999985 x 10^(-12)"},
        CasEcriture{"arrondiGrandNegatif", nombres::texteArrondi(0, -2e11), "-2 x 10^(11)"},
        CasEcriture{"arrondiDecimalesBornees", nombres::texteArrondi(40, 0.5), "0.5"},
        CasEcriture{"arrondiVirgule", nombres::texteArrondiVirgule(2, -3.14159), "-3,14"},
        CasEcriture{"eurosDemi", nombres::texteEuros(12.5), "12,50 €"},
        CasEcriture{"eurosEntier", nombres::texteEuros(3), "3 €"},
        CasEcriture{"eurosArrondi", nombres::texteEuros(0.456), "0,46 €"},
        CasEcriture{"eurosQuatre", nombres::texteEuros(4), "4 €"},
        CasEcriture{"eurosDixieme", nombres::texteEuros(4.1), "4,10 €"},
        CasEcriture{"normaliserZeros", nombres::normaliserDecimal("007,500"), "7,5"},
        CasEcriture{"normaliserPoint", nombres::normaliserDecimal(".5"), "0,5"},
        CasEcriture{"normaliserZero", nombres::normaliserDecimal("0,0"), "0"},
        CasEcriture{"normaliserBlancs", nombres::normaliserDecimal(" 1 000,20 "), "1000,2"},
        CasEcriture{"fractionReduiteNegative", nombres::texteFraction(6, -4, true), "-$F3;2;"},
        CasEcriture{"fractionCompletee", nombres::texteFraction(1, 12, false), "$F 1;12;"},
        CasEcriture{"fractionEntiere", nombres::texteFraction(4, 2, true), "2"},
        CasEcriture{"fractionNonReduite", nombres::texteFraction(4, 2, false), "$F4;2;"},
        CasEcriture{"fractionDeuxSignes", nombres::texteFraction(-3, -4, false), "$F3;4;"},
        CasEcriture{"fractionNulle", nombres::texteFraction(0, 5, true), "0"},
        CasEcriture{"fractionSigne", nombres::texteFractionSigne(1, 2, false), "+ $F1;2;"},
        CasEcriture{"fractionSigneNegative", nombres::texteFractionSigne(-7, 1, false), "-7"},
        CasEcriture{"coefficientMoinsUn", nombres::texteCoefficient(-2, 2, true), "-"},
        CasEcriture{"coefficientUn", nombres::texteCoefficient(3, 3, true), ""},
        CasEcriture{"facteurPositif", nombres::texteFacteur(3, 1, false), " * 3"},
        CasEcriture{"facteurNegatif", nombres::texteFacteur(-2, 1, false), " * (-2)"},
        CasEcriture{"facteurFraction", nombres::texteFacteur(-1, 2, false), " * (-$F1;2; )"}),
    [](const auto& info) { return std::string(info.param.nom); });

TEST(Arithmetique, PgcdEtReductibleSansDivisionParZero) {
    EXPECT_EQ(nombres::pgcd(12, 18), 6);
    EXPECT_EQ(nombres::pgcd(18, 12), 6);
    EXPECT_EQ(nombres::pgcd(-12, 18), 6);
    EXPECT_EQ(nombres::pgcd(0, 5), 5);
    EXPECT_EQ(nombres::pgcd(5, 0), 5);
    EXPECT_EQ(nombres::pgcd(0, 0), 0);
    EXPECT_EQ(nombres::pgcd(600851475143, 6857), 6857);
    EXPECT_TRUE(nombres::reductible(6, 4));
    EXPECT_FALSE(nombres::reductible(3, 4));
    // « 0/5 » s'écrit 0 : la fraction se simplifie, sans diviser par zéro.
    EXPECT_TRUE(nombres::reductible(0, 5));
    EXPECT_FALSE(nombres::reductible(0, 1));
    EXPECT_FALSE(nombres::reductible(0, 0));
}

TEST(Arithmetique, Diviseurs) {
    EXPECT_EQ(nombres::nombreDiviseurs(1), 1);
    EXPECT_EQ(nombres::nombreDiviseurs(12), 6);
    EXPECT_EQ(nombres::nombreDiviseurs(36), 9);
    EXPECT_EQ(nombres::nombreDiviseurs(0), 0);
    EXPECT_EQ(nombres::nombreDiviseursCommuns(12, 18), 4);
    EXPECT_EQ(nombres::nombreDiviseursCommuns(0, 18), 0);
    EXPECT_EQ(nombres::maximum(-3, 2), 2);
}

TEST(Arithmetique, ReelsPresqueEntiers) {
    EXPECT_TRUE(nombres::estEntier(3.00000000001));
    EXPECT_FALSE(nombres::estEntier(3.0000001));
    EXPECT_TRUE(nombres::estCarreParfait(49));
    EXPECT_FALSE(nombres::estCarreParfait(-4));
    EXPECT_TRUE(nombres::entierNonCarre(8));
    EXPECT_FALSE(nombres::entierNonCarre(1));
    EXPECT_FALSE(nombres::entierNonCarre(9));
    EXPECT_FALSE(nombres::entierNonCarre(2.5));
    EXPECT_TRUE(nombres::presqueEgaux(1, 1 + 1e-10));
    EXPECT_FALSE(nombres::presqueEgaux(1, 1 + 1e-8));
    EXPECT_EQ(nombres::arrondiEntier(2.5), 3);
    EXPECT_EQ(nombres::arrondiEntier(2.49999), 2);
    EXPECT_EQ(nombres::arrondiEntier(-2.5), -2);
}

TEST(Chaines, Operations) {
    EXPECT_EQ(nombres::supprimerBlancs(" 1 2\u00A03 "), "123");
    EXPECT_EQ(nombres::rognerBlancs("  a b  "), "a b");
    EXPECT_EQ(nombres::majuscules("pas de Solution é"), "PAS DE SOLUTION é");
    EXPECT_EQ(nombres::remplacerTout("1;;;;2", ";;", ";"), "1;2");
    // Un remplacement qui contient son motif ne boucle pas sans fin.
    EXPECT_EQ(nombres::remplacerTout("a-a", "a", "aa"), "aa-aa");
    EXPECT_EQ(nombres::supprimerCaracteres("[AB)", "()[]"), "AB");
    EXPECT_EQ(nombres::supprimerCaracteres("x²é", "²"), "xé");
}

TEST(Hasard, UneGraineRejoueLesMemesTirages) {
    const auto tirer = [] {
        std::vector<double> tirages;
        for (int i = 0; i < 50; ++i) {
            tirages.push_back(static_cast<double>(nombres::hasardEntier(7)));
            tirages.push_back(nombres::hasardReel());
        }
        return tirages;
    };
    nombres::initialiserHasard(42);
    const auto premiers = tirer();
    nombres::initialiserHasard(42);
    EXPECT_EQ(tirer(), premiers);
    nombres::initialiserHasard(43);
    EXPECT_NE(tirer(), premiers);
}

TEST(Hasard, TiragesDansLeursBornes) {
    nombres::initialiserHasard(7);
    std::vector<int> vus(5, 0);
    for (int i = 0; i < 2000; ++i) {
        const auto n = nombres::hasardEntre(-2, 2);
        ASSERT_GE(n, -2);
        ASSERT_LE(n, 2);
        ++vus[static_cast<std::size_t>(n + 2)];
        const double r = nombres::hasardReel();
        ASSERT_GE(r, 0);
        ASSERT_LT(r, 1);
    }
    for (int compte : vus) {
        EXPECT_GT(compte, 300);
    }
    EXPECT_EQ(nombres::hasardEntier(0), 0);
}

} // namespace
