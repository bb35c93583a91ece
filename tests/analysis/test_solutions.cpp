#include "analysis/expressions/solutions.h"
#include "analysis/expressions/tabulationcourbe.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using analexpr::Tsolution;

struct CasSolution {
    const char* nom;
    const char* texte;
    int forme;
    double valeur;
    bool simplifiable;
};

class Solution : public testing::TestWithParam<CasSolution> {};

TEST_P(Solution, FormeEtValeur) {
    const CasSolution& c = GetParam();
    Tsolution s;
    s.texte = c.texte;
    analexpr::analyserSolution(s);
    EXPECT_EQ(s.forme, c.forme);
    EXPECT_EQ(s.simplifiable, c.simplifiable);
    if (s.forme != Tsolution::illisible) {
        EXPECT_NEAR(s.valeur, c.valeur, 1e-12);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Elements, Solution,
    testing::Values(
        CasSolution{"entier", "-3", 2, -3, false}, CasSolution{"decimal", "2,5", 3, 2.5, false},
        CasSolution{"fraction", "1/2", 4, 0.5, false},
        CasSolution{"fractionReductible", "2/4", 4, 0.5, true},
        CasSolution{"fractionSurUn", "3/1", 4, 3, true},
        CasSolution{"fractionDecimale", "1,5/2", 5, 0.75, true},
        // « 0/5 » se simplifie en 0, sans division par zéro.
        CasSolution{"zeroSurCinq", "0/5", 4, 0, true}, CasSolution{"zero", "0", 2, 0, false},
        CasSolution{"racine", "rac(2)", 10, 1.4142135623730951, false},
        CasSolution{"somme", "2+1", 10, 3, false}, CasSolution{"lettre", "x", 1, 0, false},
        CasSolution{"divisionParZero", "1/0", 1, 0, false},
        CasSolution{"racineDeNegatif", "rac(-4)", 1, 0, false},
        CasSolution{"infini", "((9p9)p9)p9", 1, 0, false},
        CasSolution{"puissancesEnChaine", "2^2^3", 1, 0, false},
        CasSolution{"moinsTypographique", "\u22123", 2, -3, false},
        CasSolution{"quinzeChiffres", "999999999999999/3", 4, 333333333333333, true}),
    [](const auto& info) { return std::string(info.param.nom); });

std::vector<double> valeurs(const analexpr::TlisteSolutions& l) {
    std::vector<double> v;
    for (int i = 1; i <= l.nombreSolutions; ++i) {
        v.push_back(l.solutions[i].valeur);
    }
    return v;
}

TEST(Liste, TriEtDoublon) {
    analexpr::TlisteSolutions l;
    analexpr::lireListeSolutions(l, "2 ; -3", true);
    EXPECT_EQ(l.etatListe, 0);
    EXPECT_EQ(valeurs(l), (std::vector<double>{-3, 2}));
    EXPECT_EQ(l.solutions[1].texte, "-3");
    EXPECT_FALSE(l.doublon);

    analexpr::lireListeSolutions(l, "2 ; -3", false);
    EXPECT_EQ(valeurs(l), (std::vector<double>{2, -3}));

    analexpr::lireListeSolutions(l, "1;1", true);
    EXPECT_TRUE(l.doublon);
}

TEST(Liste, ListesVidesEtFormesDeSeparateurs) {
    analexpr::TlisteSolutions l;
    for (const char* vide : {"pas de solution", "Pas De Solution", "", ";", " ; "}) {
        analexpr::lireListeSolutions(l, vide, true);
        EXPECT_EQ(l.nombreSolutions, 0) << vide;
        EXPECT_EQ(l.etatListe, 0) << vide;
    }
    analexpr::lireListeSolutions(l, "1;2;;", true);
    EXPECT_EQ(l.nombreSolutions, 2);
    EXPECT_EQ(l.etatListe, 0);
    analexpr::lireListeSolutions(l, ";1/2;rac(2)", true);
    EXPECT_EQ(l.nombreSolutions, 2);
    EXPECT_EQ(l.solutions[2].forme, Tsolution::expression);
}

TEST(Liste, TropDElementsOuIllisible) {
    analexpr::TlisteSolutions l;
    analexpr::lireListeSolutions(l, "1;2;3;4;5;6;7;8;9;10", true);
    EXPECT_EQ(l.etatListe, 0);
    EXPECT_EQ(l.nombreSolutions, 10);
    analexpr::lireListeSolutions(l, "1;2;3;4;5;6;7;8;9;10;11", true);
    EXPECT_EQ(l.etatListe, 2);
    EXPECT_EQ(l.nombreSolutions, 10);
    // Les éléments lus avant l'élément illisible restent.
    analexpr::lireListeSolutions(l, "1;2;x;4", true);
    EXPECT_EQ(l.etatListe, 2);
    EXPECT_EQ(l.nombreSolutions, 3);
    EXPECT_EQ(l.solutions[1].valeur, 1);
    EXPECT_FALSE(l.doublon);
}

// « 50+0+…+0-45 » vaut 5 mais ses 40 premiers caractères valent 50 : un élément trop long
// est illisible, jamais jugé sur son début.
const std::string cinqEn43Caracteres = [] {
    std::string t = "50";
    for (int i = 0; i < 19; ++i) {
        t += "+0";
    }
    return t + "-45";
}();

TEST(Liste, ElementTropLongIllisibleSansCoupe) {
    ASSERT_EQ(cinqEn43Caracteres.size(), 43u);
    analexpr::TlisteSolutions l;
    analexpr::lireListeSolutions(l, "1;" + cinqEn43Caracteres, false);
    EXPECT_EQ(l.etatListe, analexpr::TlisteSolutions::elementTropLong);
    EXPECT_EQ(l.solutions[2].texte, cinqEn43Caracteres);
    EXPECT_TRUE(l.solutions[2].tropLong);
    EXPECT_EQ(l.solutions[2].forme, Tsolution::illisible);

    analexpr::lireListeSolutions(l, std::string(60, '1'), false);
    EXPECT_EQ(l.etatListe, analexpr::TlisteSolutions::elementTropLong);
    EXPECT_EQ(l.solutions[1].texte.size(), 60u);

    // 40 caractères exactement sont lus.
    analexpr::lireListeSolutions(l, cinqEn43Caracteres.substr(0, 40), false);
    EXPECT_EQ(l.etatListe, 0);
    EXPECT_EQ(l.solutions[1].valeur, 50);
    Tsolution borne;
    borne.texte = cinqEn43Caracteres;
    analexpr::analyserSolution(borne);
    EXPECT_TRUE(borne.tropLong);
    EXPECT_EQ(borne.forme, Tsolution::illisible);
}

// Les signes qu'un clavier ou un texte copié donne sont lus comme ceux de la syntaxe.
TEST(Liste, SignesTypographiques) {
    analexpr::TlisteSolutions l;
    analexpr::lireListeSolutions(l, "\u22122 ; 3\u00F74 ; 2\u00D73", false);
    ASSERT_EQ(l.etatListe, 0);
    EXPECT_EQ(valeurs(l), (std::vector<double>{-2, 0.75, 6}));
    EXPECT_EQ(l.solutions[1].forme, Tsolution::entier);
    EXPECT_EQ(l.solutions[2].forme, Tsolution::fraction);
}

TEST(Courbe, PointsDefinisEtIndefinis) {
    const auto c = analexpr::tabulerCourbe("1/x", 5, -2, 2);
    ASSERT_EQ(c.abscisses.size(), 5u);
    EXPECT_EQ(c.nombreDefinis, 4);
    EXPECT_TRUE(c.indefini[2]);
    EXPECT_DOUBLE_EQ(c.abscisses[4], 2);
    EXPECT_DOUBLE_EQ(c.ordonnees[0], -0.5);

    EXPECT_EQ(analexpr::tabulerCourbe("x+", 5, -2, 2).nombreDefinis, 0);
    const auto un = analexpr::tabulerCourbe("x²", 1, 3, 7);
    ASSERT_EQ(un.abscisses.size(), 1u);
    EXPECT_DOUBLE_EQ(un.ordonnees[0], 9);
    EXPECT_EQ(analexpr::tabulerCourbe("x", 500, 0, 1).abscisses.size(), 100u);
}

} // namespace
