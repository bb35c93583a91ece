#include "fenetreprincipale.h"

#include "arbre.h"
#include "arbrewidget.h"
#include "barreonglets.h"
#include "boitepeinture.h"
#include "bouton.h"
#include "boutonimage.h"
#include "champsaisie.h"
#include "classeur.h"
#include "donneescommunes.h"
#include "identifiants.h"
#include "libelle.h"
#include "plateformescriptee.h"
#include "renvoiscontenu.h"
#include "repartition.h"
#include "zoneaffichage.h"

#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTest>
#include <gtest/gtest.h>

#include <QApplication>

#include <algorithm>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

namespace {

// Ce que l'unité de chapitre factice a vu : les questions posées, les réponses jugées.
struct Tjournal {
    int poses = 0;
    int juges = 0;
    int champs = 3;
    std::vector<std::string> reponses;
};

Tjournal journal;

void poserFactice(TdonneesCommunes& d) {
    ++journal.poses;
    d.nombreChamps = static_cast<std::uint8_t>(journal.champs);
    for (int k = 1; k <= 3; ++k) {
        champReponse(d, k)->visible = k <= journal.champs;
    }
}

void jugerFactice(TdonneesCommunes& d) {
    ++journal.juges;
    journal.reponses.emplace_back(d.reponseDonnee[1].texte());
}

// Les exercices du chapitre 1 (code 2) ont une unité factice ; la fenêtre est montrée et
// l'élève est déjà entré dans les onglets.
class Fenetre : public testing::Test {
protected:
    void SetUp() override {
        journal = Tjournal{};
        inscrireUniteChapitre(2, {&poserFactice, &jugerFactice, nullptr, nullptr});
        fenetre = std::make_unique<TFenetrePrincipale>(d, &plateforme);
        fenetre->show();
        fenetre->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(fenetre.get()));
        QTest::mouseClick(fenetre->boutonEntree(), Qt::LeftButton);
    }

    void TearDown() override {
        fenetre.reset();
        effacerUnitesChapitre();
        renvoisContenu() = TrenvoisContenu{};
    }

    // Clic au milieu de la ligne du nœud, après l'avoir rendu visible.
    void cliquerNoeud(TarbreWidget* arbre, int index) {
        QTreeWidgetItem* e = arbre->element(index);
        for (QTreeWidgetItem* p = e->parent(); p != nullptr; p = p->parent()) {
            p->setExpanded(true);
        }
        arbre->scrollToItem(e);
        QTest::mouseClick(arbre->viewport(), Qt::LeftButton, {}, arbre->visualItemRect(e).center());
    }

    void lancer(int index) {
        cliquerNoeud(fenetre->arbreExercices(), index);
        cliquerNoeud(fenetre->arbreExercices(), index);
    }

    int feuilleActive() const { return static_cast<int>(d.PageControle->pageActive); }

    TdonneesCommunes d;
    TplateformeScriptee plateforme;
    std::unique_ptr<TFenetrePrincipale> fenetre;
};

TEST_F(Fenetre, DemarreSurLAccueilPuisEntreeMontreLeSommaire) {
    TdonneesCommunes autre;
    TplateformeScriptee p;
    TFenetrePrincipale neuve(autre, &p);
    neuve.show();
    EXPECT_TRUE(neuve.accueilMontre());
    EXPECT_EQ(neuve.size(), QSize(800, 600));
    EXPECT_EQ(neuve.windowTitle(), QStringLiteral("calvane 3e édition 2003"));
    QTest::mouseClick(neuve.boutonEntree(), Qt::LeftButton);
    EXPECT_FALSE(neuve.accueilMontre());
    EXPECT_EQ(neuve.feuilles()->currentIndex(), 0);
    EXPECT_EQ(autre.plateforme, &p);
    EXPECT_NE(autre.zoneEnonce, nullptr);
    EXPECT_FALSE(neuve.boutonBilan()->isEnabled()) << "pas de fenêtre de bilan encore";
}

TEST_F(Fenetre, AuClavierEntreeQuitteLAccueilEtTabParcourtLesArbres) {
    TdonneesCommunes autre;
    TplateformeScriptee p;
    TFenetrePrincipale neuve(autre, &p);
    neuve.show();
    neuve.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&neuve));
    ASSERT_TRUE(neuve.boutonEntree()->hasFocus()) << "le focus attend sur « Entrée »";
    QTest::keyClick(neuve.boutonEntree(), Qt::Key_Return);
    EXPECT_FALSE(neuve.accueilMontre());
    std::vector<QWidget*> vus;
    for (int i = 0; i < 12; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        vus.push_back(QApplication::focusWidget());
    }
    for (QWidget* arbre : std::initializer_list<QWidget*>{
             neuve.arbreCours(), neuve.arbreImagiciels(), neuve.arbreExercices()}) {
        EXPECT_NE(std::find(vus.begin(), vus.end(), arbre), vus.end());
    }
}

TEST_F(Fenetre, RetourRevientALaPageDeLHistorique) {
    std::vector<std::pair<int, bool>> pages;
    renvoisContenu().afficherPageCours = [&](TdonneesCommunes& dd, int id) {
        pages.emplace_back(id, dd.retourEnCours);
    };
    empilerHistorique(d, 1018);
    d.BoutonRetour->visible = true;
    d.PageControle->pageActive = Onglet::Cours;
    fenetre->synchroniser();
    QWidget* retour = nullptr;
    for (TboutonImage* b : fenetre->feuilles()->currentWidget()->findChildren<TboutonImage*>()) {
        if (b->isVisible() && b->x() == 680) {
            retour = b;
        }
    }
    ASSERT_NE(retour, nullptr);
    QTest::mouseClick(retour, Qt::LeftButton);
    QTest::mouseClick(retour, Qt::LeftButton); // historique vide : rien
    EXPECT_EQ(pages, (std::vector<std::pair<int, bool>>{{1018, true}}));
    EXPECT_FALSE(d.retourEnCours);
}

TEST_F(Fenetre, SelectionnerPuisAppuyerSurUneFeuilleLanceLExercice) {
    TarbreWidget* arbre = fenetre->arbreExercices();
    cliquerNoeud(arbre, 2);
    EXPECT_EQ(d.ArbreChoixExercice->selection, 2) << "le premier appui sélectionne";
    EXPECT_EQ(journal.poses, 0) << "le premier appui ne lance rien";
    EXPECT_EQ(feuilleActive(), 0);

    cliquerNoeud(arbre, 2);
    EXPECT_EQ(journal.poses, 1);
    EXPECT_EQ(d.numeroExercice, 2);
    EXPECT_EQ(d.codeChapitre, 2);
    EXPECT_EQ(d.LabelChapitreExercice->texte, titreChapitre(2 + decalageTitre));
    EXPECT_EQ(feuilleActive(), 2);
    EXPECT_EQ(fenetre->feuilles()->currentIndex(), 2);
    EXPECT_EQ(fenetre->barreOnglets()->courant(), 2);
    EXPECT_TRUE(fenetre->champ(1)->isVisible());
    EXPECT_TRUE(fenetre->champ(1)->hasFocus());
}

TEST_F(Fenetre, EntreeSurUneFeuilleLanceCommeLAppui) {
    TarbreWidget* arbre = fenetre->arbreExercices();
    cliquerNoeud(arbre, 9);
    arbre->setFocus();
    QTest::keyClick(arbre, Qt::Key_Return);
    EXPECT_EQ(journal.poses, 1);
    EXPECT_EQ(d.numeroExercice, 9);
}

TEST_F(Fenetre, UnAppuiSurUnNoeudDeChapitreNeLanceJamais) {
    TarbreWidget* arbre = fenetre->arbreExercices();
    for (const int index : {0, 1, 13, 14}) {
        cliquerNoeud(arbre, index);
        cliquerNoeud(arbre, index);
        EXPECT_EQ(d.ArbreChoixExercice->selection, index);
        QTest::keyClick(arbre, Qt::Key_Return);
    }
    EXPECT_EQ(journal.poses, 0);
    EXPECT_EQ(feuilleActive(), 0);
}

TEST_F(Fenetre, FlecheBasPasseAuNoeudDIndiceSuivantMemeCache) {
    TarbreWidget* arbre = fenetre->arbreExercices();
    arbre->setFocus();
    for (const int depart : {0, 13, 22, 603}) {
        arbre->selectionnerIndex(depart);
        arbre->element(depart)->setExpanded(false);
        QTest::keyClick(arbre, Qt::Key_Down);
        EXPECT_EQ(arbre->indexSelectionne(), depart + 1) << "un seul pas depuis " << depart;
        EXPECT_EQ(d.ArbreChoixExercice->selection, depart + 1);
    }
    QTest::keyClick(arbre, Qt::Key_Down);
    EXPECT_EQ(arbre->indexSelectionne(), 604) << "le dernier nœud reste sélectionné";
}

TEST_F(Fenetre, EntreeDansUnChampSoumetLaReponse) {
    lancer(2);
    for (const int k : {1, 2, 3}) {
        QLineEdit* champ = fenetre->champ(k);
        champ->setFocus();
        QTest::keyClicks(champ, QStringLiteral("  12,5 "));
        QTest::keyClick(champ, Qt::Key_Return);
        EXPECT_EQ(journal.juges, k);
    }
    ASSERT_EQ(journal.reponses.size(), 3u);
    EXPECT_EQ(journal.reponses[0], "12,5") << "espaces autour retirés";
    EXPECT_EQ(d.Edit1->texte, "  12,5 ") << "la saisie est écrite dans l'état du champ";
}

struct TcasFleches {
    const char* nom;
    int champs;
    int depart;
    Qt::Key touche;
    int arrivee;
};

void PrintTo(const TcasFleches& cas, std::ostream* os) {
    *os << cas.nom;
}

class FlechesDesChamps : public Fenetre, public testing::WithParamInterface<TcasFleches> {};

TEST_P(FlechesDesChamps, DeplacentLeFocus) {
    const TcasFleches& cas = GetParam();
    journal.champs = cas.champs;
    lancer(2);
    ASSERT_EQ(d.nombreChamps, cas.champs);
    fenetre->champ(cas.depart)->setFocus();
    QTest::keyClick(fenetre->champ(cas.depart), cas.touche);
    EXPECT_TRUE(fenetre->champ(cas.arrivee)->hasFocus());
    EXPECT_TRUE(champReponse(d, cas.arrivee)->focus);
    EXPECT_EQ(journal.juges, 0) << "les flèches ne soumettent rien";
}

INSTANTIATE_TEST_SUITE_P(
    Fenetre, FlechesDesChamps,
    testing::Values(TcasFleches{"Bas1vers2", 3, 1, Qt::Key_Down, 2},
                    TcasFleches{"Bas2vers3", 3, 2, Qt::Key_Down, 3},
                    TcasFleches{"BasSurLeDernier", 3, 3, Qt::Key_Down, 3},
                    TcasFleches{"BasSansSecondChamp", 1, 1, Qt::Key_Down, 1},
                    TcasFleches{"BasSansTroisiemeChamp", 2, 2, Qt::Key_Down, 2},
                    TcasFleches{"Haut3vers2", 3, 3, Qt::Key_Up, 2},
                    TcasFleches{"Haut2vers1", 3, 2, Qt::Key_Up, 1},
                    TcasFleches{"HautSurLePremier", 3, 1, Qt::Key_Up, 1}),
    [](const testing::TestParamInfo<TcasFleches>& info) { return info.param.nom; });

TEST_F(Fenetre, FermerDepuisLesOngletsRevientALAccueilPuisTermine) {
    lancer(2);
    EXPECT_FALSE(fenetre->close()) << "la fenêtre reste ouverte";
    EXPECT_TRUE(fenetre->accueilMontre());
    EXPECT_NE(d.zoneEnonce, nullptr);
    EXPECT_EQ(d.numeroExercice, 2) << "l'exercice survit au retour à l'accueil";
    EXPECT_TRUE(fenetre->close());
    EXPECT_EQ(d.zoneEnonce, nullptr) << "les zones sont libérées";
}

TEST_F(Fenetre, LeBoutonAccueilDeLaBarreRevientALAccueil) {
    QTest::mouseClick(fenetre->boutonQuitterSommaire(), Qt::LeftButton);
    EXPECT_TRUE(fenetre->accueilMontre());
}

TEST_F(Fenetre, UnClicSurUnOngletChangeLaFeuille) {
    TbarreOnglets* barre = fenetre->barreOnglets();
    for (int onglet : {2, 4, 1, 3, 0}) {
        QTest::mouseClick(barre, Qt::LeftButton, {}, barre->rectOnglet(onglet).center());
        EXPECT_EQ(feuilleActive(), onglet);
        EXPECT_EQ(fenetre->feuilles()->currentIndex(), onglet);
    }
}

TEST_F(Fenetre, UnLienDUneZonePasseParSuivreLien) {
    std::vector<int> pages;
    renvoisContenu().afficherPageCours = [&](TdonneesCommunes&, int id) { pages.push_back(id); };
    d.PageControle->pageActive = Onglet::Exercices;
    fenetre->synchroniser();
    ecrire(*d.zoneSolution, "Voir $LC02_SF3;la page de cours;.", 2, 4);
    d.zoneSolution->boite->repeindre();
    ASSERT_EQ(d.zoneSolution->zonesCliquables.nombre, 1);
    const TzoneCliquable& lien = d.zoneSolution->zonesCliquables.zones[0];
    QWidget* boite = fenetre->feuilles()->currentWidget()->childAt(
        QPoint(lien.bordGauche + 1, 334 + lien.bordHaut + 1));
    ASSERT_NE(boite, nullptr);
    QTest::mouseClick(boite, Qt::LeftButton, {}, QPoint(lien.bordGauche + 1, lien.bordHaut + 1));
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_EQ(pages[0], 1018);
    EXPECT_EQ(d.cibleLien, 1018);
}

TEST_F(Fenetre, AppuiSurUneFeuilleDesAutresArbres) {
    std::vector<int> vus;
    renvoisContenu().afficherPageCours = [&](TdonneesCommunes&, int id) { vus.push_back(id); };
    renvoisContenu().ouvrirImagiciel = [&](TdonneesCommunes& dd) {
        vus.push_back(dd.numeroImagiciel);
    };
    renvoisContenu().ouvrirInfo = [&](TdonneesCommunes&, int id) { vus.push_back(id); };
    const struct {
        TarbreWidget* arbre;
        int feuille;
        int onglet;
    } cas[] = {{fenetre->arbreCours(), 2, 0},
               {fenetre->arbreImagiciels(), 1, 0},
               {fenetre->arbreTheme(), 2, 4},
               {fenetre->arbreAlphabetique(), 2, 4}};
    for (const auto& c : cas) {
        QTest::mouseClick(fenetre->barreOnglets(), Qt::LeftButton, {},
                          fenetre->barreOnglets()->rectOnglet(c.onglet).center());
        cliquerNoeud(c.arbre, c.feuille);
        cliquerNoeud(c.arbre, c.feuille);
        cliquerNoeud(c.arbre, 0); // un nœud à enfants : rien
        cliquerNoeud(c.arbre, 0);
    }
    EXPECT_EQ(vus, (std::vector<int>{1002, 1501, 2002, 2502}));
}

struct TcasArbre {
    const char* nom;
    std::function<TarbreWidget*(const TFenetrePrincipale&)> arbre;
    int noeuds;
    std::vector<std::pair<int, const char*>> libelles;
};

void PrintTo(const TcasArbre& cas, std::ostream* os) {
    *os << cas.nom;
}

class ArbresDeLaFenetre : public Fenetre, public testing::WithParamInterface<TcasArbre> {};

TEST_P(ArbresDeLaFenetre, NombreDeNoeudsEtLibellesParIndiceAbsolu) {
    const TcasArbre& cas = GetParam();
    TarbreWidget* arbre = cas.arbre(*fenetre);
    EXPECT_EQ(arbre->nombreNoeuds(), cas.noeuds);
    int compte = 0;
    for (QTreeWidgetItemIterator it(arbre); *it != nullptr; ++it) {
        EXPECT_EQ(TarbreWidget::indexDe(*it), compte) << "ordre préfixe";
        ++compte;
    }
    EXPECT_EQ(compte, cas.noeuds);
    for (const auto& [index, libelle] : cas.libelles) {
        ASSERT_NE(arbre->element(index), nullptr) << index;
        EXPECT_EQ(arbre->element(index)->text(0), QString::fromUtf8(libelle)) << index;
    }
    EXPECT_EQ(arbre->element(cas.noeuds), nullptr);
    EXPECT_EQ(arbre->element(-1), nullptr);
}

INSTANTIATE_TEST_SUITE_P(
    Fenetre, ArbresDeLaFenetre,
    testing::Values(TcasArbre{"Exercices",
                              [](const TFenetrePrincipale& f) { return f.arbreExercices(); },
                              605,
                              {{0, "1. Calcul littéral - Identités remarquables"},
                               {132, "Racine carrée d'un entier"},
                               {602, "Réussir le Brevet"},
                               {604, "Images de 2004"}}},
                    TcasArbre{"Cours",
                              [](const TFenetrePrincipale& f) { return f.arbreCours(); },
                              156,
                              {{1, "Le cours"},
                               {39, "Rendre irréductible une fraction : calculatrice"},
                               {155, "Volumes et aires latérales"}}},
                    TcasArbre{"Imagiciels",
                              [](const TFenetrePrincipale& f) { return f.arbreImagiciels(); },
                              25,
                              {{0, "Illustrations des transformations"},
                               {24, "Bissectrice avec un losange"}}},
                    TcasArbre{"Theme",
                              [](const TFenetrePrincipale& f) { return f.arbreTheme(); },
                              145,
                              {{0, "Numérique"},
                               {43, "Angles"},
                               {51, "Cosinus, sinus, tangente avec la calculatrice"},
                               {142, "Formulaire"},
                               {144, "Volume et aire latérale"}}},
                    TcasArbre{"Alphabetique",
                              [](const TFenetrePrincipale& f) { return f.arbreAlphabetique(); },
                              375,
                              {{0, "---------- A ----------"},
                               {25, "Calculatrice"},
                               {39, "Cercle inscrit et circonscrit"},
                               {365, "---------- V ----------"}}}),
    [](const testing::TestParamInfo<TcasArbre>& info) { return info.param.nom; });

TEST_F(Fenetre, LeCoursOuvreSesSectionsEtGardeLesChapitresFermes) {
    TarbreWidget* cours = fenetre->arbreCours();
    EXPECT_FALSE(cours->element(0)->isExpanded());
    EXPECT_TRUE(cours->element(1)->isExpanded()) << "« Le cours » du chapitre 1";
}

} // namespace
