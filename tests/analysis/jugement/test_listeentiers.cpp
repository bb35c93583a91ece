// Listes d'entiers des exercices de divisibilité : lecture et les quatre vérifications.

#include "analysis/jugement/listeentiers.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace jugement;

struct CasListe {
    const char* nom;
    const char* texte;
    int erreur;
    std::size_t nombre;
};

class LectureListe : public testing::TestWithParam<CasListe> {};

TEST_P(LectureListe, ErreurEtNombre) {
    const TlisteEntiers liste = lireListeEntiers(GetParam().texte);
    EXPECT_EQ(liste.erreur, GetParam().erreur);
    if (liste.erreur == listeJuste) {
        EXPECT_EQ(liste.valeurs.size(), GetParam().nombre);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Textes, LectureListe,
    testing::Values(CasListe{"Simple", "1;2;3;6", 0, 4},
                    CasListe{"PointVirguleFinal", "1; 2 ;", 0, 2}, CasListe{"Vide", "  ", 10, 0},
                    CasListe{"ElementVide", "1;;2", 10, 0},
                    CasListe{"PointVirguleSeul", ";", 10, 0}, CasListe{"Signe", "-1;2", 10, 0},
                    CasListe{"Decimal", "1,5", 10, 0},
                    CasListe{"SeizeChiffres", "1234567890123456", 10, 0},
                    CasListe{"UnMilliard", "1000000000", 13, 0},
                    CasListe{"QuarantePermis",
                             "1;2;3;4;5;6;7;8;9;10;11;12;13;14;15;16;17;18;19;20;21;22;23;24;25;"
                             "26;27;28;29;30;31;32;33;34;35;36;37;38;39;40",
                             0, 40},
                    CasListe{"QuaranteEtUn",
                             "1;2;3;4;5;6;7;8;9;10;11;12;13;14;15;16;17;18;19;20;21;22;23;24;25;"
                             "26;27;28;29;30;31;32;33;34;35;36;37;38;39;40;41",
                             10, 0}),
    [](const auto& info) { return std::string(info.param.nom); });

TEST(Diviseurs, CodesDansLOrdre) {
    EXPECT_EQ(verifierDiviseurs("1;2;3;6", 6).code, listeJuste);
    EXPECT_EQ(verifierDiviseurs("6;3;2;1", 6).code, listeJuste);
    EXPECT_EQ(verifierDiviseurs("1;2;2", 6).code, valeurEnDouble);
    const TverificationEntiers quatre = verifierDiviseurs("1;4;2", 6);
    EXPECT_EQ(quatre.code, nonDiviseur);
    EXPECT_EQ(quatre.valeur, 4);
    EXPECT_EQ(verifierDiviseurs("0;1", 6).code, nonDiviseur);
    EXPECT_EQ(verifierDiviseurs("1;2;3", 6).code, nombreDeValeursFaux);
    EXPECT_EQ(verifierDiviseurs("a", 6).code, listeIllisible);
}

TEST(DiviseursCommuns, DitLequelNEstPasDivise) {
    EXPECT_EQ(verifierDiviseursCommuns("1;2;3;6", 12, 18).code, listeJuste);
    const TverificationEntiers quatre = verifierDiviseursCommuns("1;4", 12, 18);
    EXPECT_EQ(quatre.code, nonDiviseur);
    EXPECT_EQ(quatre.valeur, 4);
    EXPECT_EQ(quatre.nonDivise, 18);
    const TverificationEntiers neuf = verifierDiviseursCommuns("9", 12, 18);
    EXPECT_EQ(neuf.nonDivise, 12);
    EXPECT_EQ(verifierDiviseursCommuns("1;2;3", 12, 18).code, nombreDeValeursFaux);
}

TEST(Pgcd, CodesDansLOrdre) {
    EXPECT_EQ(verifierPgcd("6", 12, 18).code, listeJuste);
    EXPECT_EQ(verifierPgcd(" 6 ", 12, 18).code, listeJuste);
    EXPECT_EQ(verifierPgcd("3", 12, 18).code, pgcdTropPetit);
    EXPECT_EQ(verifierPgcd("4", 12, 18).nonDivise, 18);
    EXPECT_EQ(verifierPgcd("9", 12, 18).nonDivise, 12);
    EXPECT_EQ(verifierPgcd("0", 12, 18).code, nonDiviseur);
    EXPECT_EQ(verifierPgcd("6;", 12, 18).code, pgcdIllisible);
    EXPECT_EQ(verifierPgcd("", 12, 18).code, pgcdIllisible);
    EXPECT_EQ(verifierPgcd("1000000000", 12, 18).code, valeurTropGrande);
}

TEST(RestesEuclide, CodesDansLOrdre) {
    // 252 = 2 × 105 + 42 ; 105 = 2 × 42 + 21 ; 42 = 2 × 21 + 0.
    EXPECT_EQ(verifierRestesEuclide("42;21;0", 252, 105).code, listeJuste);
    EXPECT_EQ(verifierRestesEuclide("42;21;0", 105, 252).code, listeJuste);
    EXPECT_EQ(verifierRestesEuclide("42;0;0", 252, 105).code, resteNulAvantLaFin);
    EXPECT_EQ(verifierRestesEuclide("42;21", 252, 105).code, dernierResteNonNul);
    const TverificationEntiers faux = verifierRestesEuclide("42;20;0", 252, 105);
    EXPECT_EQ(faux.code, resteFaux);
    EXPECT_EQ(faux.valeur, 20);
    EXPECT_EQ(faux.dividende, 105);
    EXPECT_EQ(faux.diviseur, 42);
    // Diviseur nul : l'étape est fausse, sans division par zéro.
    EXPECT_EQ(verifierRestesEuclide("0", 5, 0).code, resteFaux);
    EXPECT_EQ(verifierRestesEuclide("x", 5, 3).code, listeIllisible);
}

} // namespace
