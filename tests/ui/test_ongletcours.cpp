// L'onglet des cours dans la vraie fenêtre : la boîte de défilement suit la hauteur de la
// page dès le premier affichage de l'onglet.

#include "content/cours/pagescours.h"
#include "core/donneescommunes.h"
#include "core/plateforme/plateformescriptee.h"
#include "core/renvoiscontenu.h"
#include "display/zones/boitepeinture.h"
#include "display/zones/zoneaffichage.h"
#include "tests/ui/bancfenetre.h"
#include "ui/arbrewidget.h"
#include "ui/boutonimage.h"
#include "ui/fenetreprincipale.h"

#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QStackedWidget>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>

namespace {

class OngletCours : public testing::Test {
protected:
    void SetUp() override {
        definirDossierImages(CALVANE_DOSSIER_PAGES);
        inscrireCours();
        fenetre = std::make_unique<TFenetrePrincipale>(d, &plateforme);
        fenetre->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(fenetre.get()));
        QTest::mouseClick(fenetre->zoneAccueil(), Qt::LeftButton, {}, centreEntree);
        defilement = fenetre->feuilles()->widget(1)->findChild<QScrollArea*>();
        ASSERT_NE(defilement, nullptr);
    }
    void TearDown() override {
        fenetre.reset();
        renvoisContenu() = TrenvoisContenu{};
    }

    void choisirPage(int index) {
        TarbreWidget* arbre = fenetre->arbreCours();
        QTreeWidgetItem* e = arbre->element(index);
        for (QTreeWidgetItem* p = e->parent(); p != nullptr; p = p->parent()) {
            p->setExpanded(true);
        }
        arbre->scrollToItem(e);
        for (int fois = 0; fois < 2; ++fois) {
            QTest::mouseClick(arbre->viewport(), Qt::LeftButton, {},
                              arbre->visualItemRect(e).center());
        }
    }

    TdonneesCommunes d;
    TplateformeScriptee plateforme;
    std::unique_ptr<TFenetrePrincipale> fenetre;
    QScrollArea* defilement = nullptr;
};

TEST_F(OngletCours, LaBoiteDefileSurToutLaPageDesLePremierAffichage) {
    choisirPage(3); // 1003, plus haute que l'onglet
    ASSERT_EQ(d.pageCours, 1003);
    const int hauteurPage = d.zoneCours->boite->hauteur;
    EXPECT_GT(hauteurPage, d.hauteurCours);
    EXPECT_EQ(defilement->widget()->height(), hauteurPage);
    EXPECT_GT(defilement->verticalScrollBar()->maximum(), 0);
}

} // namespace
