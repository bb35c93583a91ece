#include "core/controles/classeur.h"
#include "core/controles/controlesfenetre.h"
#include "core/donneescommunes.h"
#include "core/lien.h"
#include "core/renvoiscontenu.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Un enregistrement lié à des contrôles sans fenêtre, et des renvois qui notent ce qu'on
// leur demande.
class SuiviDeLien : public testing::Test {
protected:
    void SetUp() override {
        initialiserDonneesCommunes(d);
        controles.lier(d);
        auto& r = renvoisContenu();
        r.afficherPageCours = [this](TdonneesCommunes& dd, int id) {
            appels.push_back("cours " + std::to_string(id));
            dd.pageCours = id;
        };
        r.ouvrirImagiciel = [this](TdonneesCommunes& dd) {
            appels.push_back("imagiciel " + std::to_string(dd.numeroImagiciel));
        };
        r.ouvrirInfo = [this](TdonneesCommunes&, int id) {
            appels.push_back("info " + std::to_string(id));
        };
    }
    void TearDown() override { renvoisContenu() = {}; }

    void suivre(int cible) {
        d.cibleLien = cible;
        suivreLien(d);
    }

    TdonneesCommunes d;
    TcontrolesFenetre controles;
    std::vector<std::string> appels;
};

TEST_F(SuiviDeLien, SectionDExercicesSelectionneeEtDeplieeSansRienLancer) {
    d.PageControle->pageActive = Onglet::Exercices;
    suivre(8);
    EXPECT_EQ(controles.ArbreChoixExercice.selection, 8);
    EXPECT_TRUE(controles.ArbreChoixExercice.estDeplie(8));
    EXPECT_TRUE(controles.ArbreChoixExercice.estDeplie(0)) << "son chapitre s'ouvre";
    EXPECT_EQ(d.PageControle->pageActive, Onglet::Sommaire);
    EXPECT_TRUE(controles.ArbreChoixExercice.focus);
    EXPECT_TRUE(appels.empty());
    EXPECT_EQ(d.numeroExercice, 0);
    EXPECT_FALSE(d.exerciceEnCours);
}

TEST_F(SuiviDeLien, FeuilleDExerciceSeulementSelectionnee) {
    suivre(9);
    EXPECT_EQ(controles.ArbreChoixExercice.selection, 9);
    EXPECT_FALSE(controles.ArbreChoixExercice.estDeplie(9));
    EXPECT_TRUE(controles.ArbreChoixExercice.estDeplie(8));
}

TEST_F(SuiviDeLien, PageDejaAfficheeChangeSeulementDOnglet) {
    suivre(1011);
    ASSERT_EQ(appels, std::vector<std::string>{"cours 1011"});
    d.PageControle->pageActive = Onglet::Exercices;
    suivre(1011);
    EXPECT_EQ(appels.size(), 1u) << "la page n'est pas reconstruite";
    EXPECT_EQ(d.PageControle->pageActive, Onglet::Cours);
}

TEST_F(SuiviDeLien, ImagicielOuvertUneFois) {
    suivre(1503);
    EXPECT_EQ(d.numeroImagiciel, 1503);
    suivre(1503);
    EXPECT_EQ(appels, std::vector<std::string>{"imagiciel 1503"});
    EXPECT_EQ(d.PageControle->pageActive, Onglet::Imagiciels);
}

TEST_F(SuiviDeLien, PlagesDesRenvois) {
    const struct {
        int cible;
        const char* appel; // "" : aucun renvoi
    } cas[] = {{1990, "info 1990"},
               {1999, "info 1999"},
               {2875, "info 2875"},
               {2874, "info 2874"},
               {1989, "imagiciel 1989"},
               {1500, "imagiciel 1500"},
               {1499, "cours 1499"},
               {1002, "cours 1002"},
               {1001, ""},
               {605, ""},
               {0, ""},
               {-4, ""}};
    for (const auto& c : cas) {
        appels.clear();
        d.pageCours = 0;
        d.numeroImagiciel = 0;
        controles.ArbreChoixExercice.selection = -1;
        suivre(c.cible);
        const std::vector<std::string> attendu = std::string(c.appel).empty()
                                                     ? std::vector<std::string>{}
                                                     : std::vector<std::string>{c.appel};
        EXPECT_EQ(appels, attendu) << c.cible;
        EXPECT_EQ(controles.ArbreChoixExercice.selection, -1) << c.cible;
    }
}

TEST_F(SuiviDeLien, RenvoisVidesNeFontRien) {
    renvoisContenu() = {};
    for (int cible : {1002, 1501, 1997}) {
        suivre(cible);
    }
    EXPECT_EQ(d.numeroImagiciel, 1501);
    EXPECT_TRUE(appels.empty());
}

} // namespace
