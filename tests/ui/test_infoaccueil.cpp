// La fenêtre d'information dans la fenêtre principale (ouverte par l'index, le bilan,
// « À propos » ; placée près du pointeur ; fermée par un clic ou un appui sur une zone) et
// l'accueil (survol des boutons, appuis, clavier), puis les raccourcis des onglets et les
// bulles des libellés coupés.

#include "content/index/ouvririnfo.h"
#include "content/info/fenetreinfo.h"
#include "core/exercice/cases.h"
#include "core/identifiants.h"
#include "display/zones/objetzone.h"
#include "tests/ui/bancfenetre.h"
#include "ui/fenetreinfo.h"

#include <QApplication>
#include <QCoreApplication>
#include <QTreeWidgetItem>

#include <vector>

namespace {

class Information : public Fenetre {
protected:
    void SetUp() override {
        Fenetre::SetUp();
        inscrireIndex();
        renvoisContenu().afficherPageCours = [this](TdonneesCommunes&, int id) {
            pages.push_back(id);
        };
        fenetre->positionPointeur = [this] { return pointeur; };
        fenetre->rectangleBureau = [] { return QRect(0, 0, 1024, 768); };
    }

    void ongletIndex() {
        QTest::mouseClick(fenetre->barreOnglets(), Qt::LeftButton, {},
                          fenetre->barreOnglets()->rectOnglet(4).center());
    }

    // Sélection puis appui sur la feuille : l'entrée s'ouvre.
    void choisir(TarbreWidget* arbre, int index) {
        cliquerNoeud(arbre, index);
        cliquerNoeud(arbre, index);
    }

    // Les messages postés (la demande de fermeture) sont traités.
    static void traiterMessages() { QCoreApplication::processEvents(); }

    QPoint pointeur{100, 100};
    std::vector<int> pages;
};

TEST_F(Information, ArrondiEtTroncatureOuvrentLaFichePresDuPointeur) {
    ongletIndex();
    choisir(fenetre->arbreAlphabetique(), 17); // « Arrondi », 2517
    TInfoObj* info = fenetre->fenetreInfo();
    ASSERT_NE(info, nullptr);
    EXPECT_TRUE(infoOuverte);
    EXPECT_EQ(info->identifiantInfo, 2517);
    EXPECT_EQ(info->size(), QSize(368, 153));
    EXPECT_EQ(info->pos(), QPoint(108, 116)) << "à droite du pointeur et en dessous";
    EXPECT_TRUE(info->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_TRUE(pages.empty());

    // Près du coin bas droit : à gauche du pointeur et au-dessus ; la même fenêtre resert.
    pointeur = QPoint(1000, 740);
    choisir(fenetre->arbreTheme(), 6); // « Troncature et arrondi (info) », 2006
    ASSERT_EQ(fenetre->fenetreInfo(), info);
    EXPECT_EQ(info->identifiantInfo, 2006);
    EXPECT_EQ(info->size(), QSize(368, 153));
    EXPECT_EQ(info->pos(), QPoint(1000 - 368 - 4, 740 - 153 - 4));
    EXPECT_TRUE(info->placeAGauche);
    EXPECT_FALSE(info->placeADroite);
    EXPECT_TRUE(info->placeEnHaut);
}

TEST_F(Information, LePointSurLesNombresMontreSaPageSansFenetre) {
    ongletIndex();
    choisir(fenetre->arbreTheme(), 2);
    EXPECT_EQ(pages, std::vector<int>{1033});
    EXPECT_EQ(fenetre->fenetreInfo(), nullptr);
    EXPECT_FALSE(infoOuverte);
}

TEST_F(Information, UnClicSurLaFenetreLaFermeEtLaDetruit) {
    ongletIndex();
    choisir(fenetre->arbreAlphabetique(), 17);
    ASSERT_NE(fenetre->fenetreInfo(), nullptr);
    QTest::mouseClick(fenetre->fenetreInfo(), Qt::LeftButton);
    EXPECT_NE(fenetre->fenetreInfo(), nullptr) << "fermée après son propre événement";
    traiterMessages();
    EXPECT_EQ(fenetre->fenetreInfo(), nullptr);
    EXPECT_FALSE(infoOuverte);
}

TEST_F(Information, LeBilanSOuvreASaPlaceFixePuisSeFermeAuSecondAppui) {
    lancer(uniteessai::bareme3);
    for (const QPoint p : {QPoint(10, 10), QPoint(1000, 700)}) {
        pointeur = p;
        QTest::mouseClick(fenetre->boutonBilan(), Qt::LeftButton);
        TInfoObj* info = fenetre->fenetreInfo();
        ASSERT_NE(info, nullptr);
        EXPECT_EQ(info->identifiantInfo, identifiant::bilan);
        EXPECT_EQ(info->size(), QSize(304, 198));
        const QPoint classeur = fenetre->mapToGlobal(QPoint(5, 15));
        EXPECT_EQ(info->pos(), classeur + QPoint(790 - 304 - 2, 127))
            << "quel que soit le pointeur";
        QTest::mouseClick(fenetre->boutonBilan(), Qt::LeftButton);
        EXPECT_EQ(fenetre->fenetreInfo(), nullptr) << "le second appui ferme";
        EXPECT_FALSE(infoOuverte);
    }
}

TEST_F(Information, UnAppuiSurLEnonceFermeLaFenetreSansSuivreNiBasculer) {
    lancer(uniteessai::choixUnique);
    TwidgetZone* enonce = widgetDe(*d.zoneEnonce);
    ASSERT_NE(enonce, nullptr);
    const TcaseChoix& c = d.cases[3];
    const QPoint surCase(static_cast<int>((c.xGauche + c.xDroite) / 2),
                         static_cast<int>((c.yHaut + c.yBas) / 2));
    ouvrirInfo(d, 2517);
    ASSERT_TRUE(infoOuverte);
    QTest::mouseClick(enonce, Qt::LeftButton, {}, surCase);
    EXPECT_FALSE(infoOuverte);
    EXPECT_EQ(fenetre->fenetreInfo(), nullptr);
    EXPECT_FALSE(d.cases[3].choisie) << "la case n'a pas basculé";
    EXPECT_FALSE(d.questionTerminee);

    ecrire(*d.zoneEnonce, "Voir $LC02_SF3;la page de cours;.", 2, 12);
    d.zoneEnonce->boite->repeindre();
    QTest::qWait(10);
    enonce->repaint();
    ASSERT_EQ(d.zoneEnonce->zonesCliquables.nombre, 1);
    const TzoneCliquable& lien = d.zoneEnonce->zonesCliquables.zones[0];
    const QPoint surLien(lien.bordGauche + 2, lien.bordHaut + 2);
    ouvrirInfo(d, 2517);
    QTest::mouseClick(enonce, Qt::LeftButton, {}, surLien);
    EXPECT_FALSE(infoOuverte);
    EXPECT_TRUE(pages.empty()) << "le lien n'est pas suivi";
    QTest::mouseClick(enonce, Qt::LeftButton, {}, surLien);
    EXPECT_EQ(pages, std::vector<int>{1018}) << "sans fenêtre ouverte, le lien est suivi";
}

TEST_F(Information, UnAppuiSurLaSolutionFermeLaFenetreEtSuitLeLien) {
    d.PageControle->pageActive = Onglet::Exercices;
    fenetre->synchroniser();
    ecrire(*d.zoneSolution, "Voir $LC02_SF3;la page de cours;.", 2, 4);
    d.zoneSolution->boite->repeindre();
    TwidgetZone* solution = widgetDe(*d.zoneSolution);
    solution->repaint();
    ASSERT_EQ(d.zoneSolution->zonesCliquables.nombre, 1);
    const TzoneCliquable& lien = d.zoneSolution->zonesCliquables.zones[0];
    ouvrirInfo(d, 2517);
    QTest::mouseClick(solution, Qt::LeftButton, {}, QPoint(lien.bordGauche + 2, lien.bordHaut + 2));
    EXPECT_FALSE(infoOuverte);
    EXPECT_EQ(pages, std::vector<int>{1018});
}

class Accueil : public Information {
protected:
    void SetUp() override {
        Information::SetUp();
        QTest::mouseClick(fenetre->boutonQuitterSommaire(), Qt::LeftButton);
        ASSERT_TRUE(fenetre->accueilMontre());
    }

    bool visible(const char* nom) const {
        const int i = indiceObjet(*d.zoneAccueil, nom);
        return i > 0 && d.zoneAccueil->objet(i)->visible;
    }

    void bouger(QPoint p) { QTest::mouseMove(fenetre->zoneAccueil(), p); }
};

struct TcasSurvol {
    const char* bouton;
    QPoint centre;
    const char* actif;
    const char* inactif;
};

class SurvolAccueil : public Accueil, public testing::WithParamInterface<TcasSurvol> {};

TEST_P(SurvolAccueil, ImageActiveEtMainPuisRetourAuDepart) {
    const TcasSurvol& c = GetParam();
    EXPECT_FALSE(visible(c.actif));
    EXPECT_TRUE(visible(c.inactif));
    bouger(c.centre);
    EXPECT_TRUE(visible(c.actif)) << c.bouton;
    EXPECT_FALSE(visible(c.inactif));
    EXPECT_EQ(fenetre->zoneAccueil()->cursor().shape(), Qt::PointingHandCursor);
    bouger(QPoint(400, 200));
    EXPECT_FALSE(visible(c.actif)) << c.bouton;
    EXPECT_TRUE(visible(c.inactif));
    EXPECT_EQ(fenetre->zoneAccueil()->cursor().shape(), Qt::ArrowCursor);
}

INSTANTIATE_TEST_SUITE_P(
    Boutons, SurvolAccueil,
    testing::Values(TcasSurvol{"Entree", centreEntree, "Entree_actif", "Entree_inactif"},
                    TcasSurvol{"APropos", QPoint(70, 546), "A_propos_actif", "A_propos_inactif"},
                    TcasSurvol{"Quitter", QPoint(740, 549), "Quitter_actif", "Quitter_inactif"}),
    [](const auto& info) { return std::string(info.param.bouton); });

TEST_F(Accueil, LeBordDuRectangleNeCompteSPas) {
    bouger(QPoint(331, 520)); // 331 < x est strict
    EXPECT_FALSE(visible("Entree_actif"));
    bouger(QPoint(332, 520));
    EXPECT_TRUE(visible("Entree_actif"));
}

TEST_F(Accueil, EntrerEffaceLeSurvol) {
    bouger(centreEntree);
    QTest::mouseClick(fenetre->zoneAccueil(), Qt::LeftButton, {}, centreEntree);
    EXPECT_FALSE(fenetre->accueilMontre());
    EXPECT_FALSE(d.survolEntree);
    EXPECT_TRUE(visible("Entree_inactif"));
}

TEST_F(Accueil, AProposSOuvrePresDuPointeurEtUnSecondAppuiLaFerme) {
    pointeur = QPoint(70, 560);
    QTest::mouseClick(fenetre->zoneAccueil(), Qt::LeftButton, {}, QPoint(70, 546));
    TInfoObj* info = fenetre->fenetreInfo();
    ASSERT_NE(info, nullptr);
    EXPECT_EQ(info->identifiantInfo, identifiant::aPropos);
    EXPECT_EQ(info->size(), QSize(488, 360));
    EXPECT_EQ(info->pos(), QPoint(78, 560 - 360 - 4)) << "à droite, au-dessus";
    QTest::mouseClick(fenetre->zoneAccueil(), Qt::LeftButton, {}, centreEntree);
    EXPECT_EQ(fenetre->fenetreInfo(), nullptr);
    EXPECT_TRUE(fenetre->accueilMontre()) << "l'appui n'a fait que fermer";
}

TEST_F(Accueil, HorsDesBoutonsUnAppuiNeFaitRien) {
    QTest::mouseClick(fenetre->zoneAccueil(), Qt::LeftButton, {}, QPoint(400, 200));
    EXPECT_TRUE(fenetre->accueilMontre());
    EXPECT_EQ(fenetre->fenetreInfo(), nullptr);
    EXPECT_TRUE(fenetre->isVisible());
}

TEST_F(Accueil, QuitterTermineLeProgramme) {
    QTest::mouseClick(fenetre->zoneAccueil(), Qt::LeftButton, {}, QPoint(740, 549));
    EXPECT_FALSE(fenetre->isVisible());
    EXPECT_EQ(d.zoneEnonce, nullptr) << "les zones sont libérées";
}

TEST_F(Accueil, AuClavierEntreeAltAEtAltQ) {
    fenetre->zoneAccueil()->setFocus();
    QTest::keyClick(fenetre->zoneAccueil(), Qt::Key_A, Qt::AltModifier);
    ASSERT_NE(fenetre->fenetreInfo(), nullptr);
    fermerInfo();
    QTest::keyClick(fenetre->zoneAccueil(), Qt::Key_Return);
    EXPECT_FALSE(fenetre->accueilMontre());
    QTest::mouseClick(fenetre->boutonQuitterSommaire(), Qt::LeftButton);
    QTest::keyClick(fenetre->zoneAccueil(), Qt::Key_Q, Qt::AltModifier);
    EXPECT_FALSE(fenetre->isVisible());
}

TEST_F(Fenetre, CtrlTabEtCtrlMajTabChangentDOnglet) {
    fenetre->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(fenetre.get()));
    QWidget* focus = fenetre->barreOnglets();
    focus->setFocus();
    d.PageCours->actif = false; // un onglet inactif est sauté
    fenetre->synchroniser();
    QTest::keyClick(focus, Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(feuilleActive(), 2);
    QTest::keyClick(focus, Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(feuilleActive(), 3);
    QTest::keyClick(focus, Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(feuilleActive(), 2);
    QTest::keyClick(focus, Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(feuilleActive(), 0);
    QTest::keyClick(focus, Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(feuilleActive(), 4) << "du premier au dernier";
}

TEST_F(Fenetre, UnLibelleCoupeSeLitEnBulle) {
    TarbreWidget* arbre = fenetre->arbreAlphabetique();
    QTest::mouseClick(fenetre->barreOnglets(), Qt::LeftButton, {},
                      fenetre->barreOnglets()->rectOnglet(4).center());
    // « Développer une expression littérale avec les identités remarquables » (97) est
    // long ; « Adjacent » (4) est court.
    arbre->element(0)->setExpanded(true);
    arbre->element(92)->setExpanded(true);
    arbre->element(94)->setExpanded(true);
    EXPECT_TRUE(arbre->libelleCoupe(arbre->element(97)));
    EXPECT_FALSE(arbre->libelleCoupe(arbre->element(4)));
}

} // namespace
