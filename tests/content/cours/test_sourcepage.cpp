// La langue des sources des pages : une source juste se dessine aux deux tailles, une source
// fautive rend des erreurs qui disent la ligne et la faute.

#include "content/cours/sourcepage.h"
#include "content/cours/tablepages.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct CasFautif {
    int page; // 1002 n'a pas de zone cliquable, 1006 en a une
    const char* source;
    const char* erreur;
};

class SourceFautive : public testing::TestWithParam<CasFautif> {};

TEST_P(SourceFautive, ErreurNommee) {
    const std::string source = GetParam().source;
    const TpageDessinee page = dessinerPageSource(source, *entreePage(GetParam().page));
    ASSERT_FALSE(page.erreurs.empty()) << source;
    EXPECT_NE(page.erreurs.front().find(GetParam().erreur), std::string::npos)
        << page.erreurs.front();
}

INSTANTIATE_TEST_SUITE_P(
    Cas, SourceFautive,
    testing::Values(
        CasFautif{1002, "cadre boite\nTexte\nfin", "ligne 1 : genre de cadre inconnu"},
        CasFautif{1002, "cadre propriete\nTexte", "ligne 1 : bloc sans « fin »"},
        CasFautif{1002, "fin", "« fin » sans bloc ouvert"},
        CasFautif{1002,
                  "Un texte beaucoup trop long pour la page, qui continue encore et encore sans "
                  "jamais s'arrêter avant le bord",
                  "ligne 1 : le texte déborde"},
        CasFautif{1006, "titre T\nA\nB\nC\nD\nE\nVoir [[la page]].",
                  "ligne 7 : la ligne du lien "
                  "arrive trop bas"},
        CasFautif{1006, "Voir [[un mot bien trop long pour sa zone]].",
                  "ne tient pas dans la zone"},
        CasFautif{1006, "Voir [[page]] et [[autre]].", "un seul mot [[…]] par ligne"},
        CasFautif{1006, "Voir [[page", "[[ sans ]]"},
        CasFautif{1006, "Une page de 1006 sans son mot de lien.", "1 zone(s) cliquable(s) mais 0"},
        CasFautif{1002, "figure 100 100 0 1\nfin", "figure : L H XMIN XMAX YMIN YMAX attendus"},
        CasFautif{1002, "figure 100 100 0 4 0 4\nsegment A B\nfin",
                  "instruction de figure refusée"},
        CasFautif{1002, "figure 900 100 0 4 0 4\nfin", "la figure sort de la page"}));

TEST(SourcePage, SourceJusteDessineeAuxDeuxTailles) {
    const char* source = "titre Un titre\n"
                         "section 1. Une partie\n"
                         "cadre propriete\n"
                         "Pour tous nombres a et b : (a + b)² = a² + 2 a b + b²\n"
                         "fin\n"
                         "etape 1 Une étape avec une fraction $F1;2;\n"
                         "figure 120 80 0 3 0 2 droite\n"
                         "point A 0 0 -1 0.2\n"
                         "point B 3 0\n"
                         "point C 3 2\n"
                         "segment A B\nsegment B C\nsegment C A\n"
                         "angledroit B A C\n"
                         "fin\n"
                         "centre x = 3\n";
    const TpageDessinee page = dessinerPageSource(source, *entreePage(1002));
    for (const std::string& e : page.erreurs) {
        ADD_FAILURE() << e;
    }
    EXPECT_EQ(page.image.width(), largeurImagePage);
    EXPECT_GE(page.image.height(), 480);
    EXPECT_EQ(page.imageDouble.size(), page.image.size() * 2);
}

} // namespace
