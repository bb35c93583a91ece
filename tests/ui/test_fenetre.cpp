#include "tests/ui/bancfenetre.h"
#include "ui/fenetreprincipale.h"

#include "core/controles/arbre.h"
#include "core/controles/bouton.h"
#include "core/controles/champsaisie.h"
#include "core/controles/classeur.h"
#include "core/controles/libelle.h"
#include "core/donneescommunes.h"
#include "core/exercice/placement.h"
#include "core/identifiants.h"
#include "core/plateforme/plateformescriptee.h"
#include "core/renvoiscontenu.h"
#include "display/zones/boitepeinture.h"
#include "display/zones/objettexte.h"
#include "display/zones/zoneaffichage.h"
#include "tests/core/uniteessai.h"
#include "ui/arbrewidget.h"
#include "ui/barreonglets.h"
#include "ui/boutonimage.h"
#include "ui/widgetzone.h"

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

TEST_F(Fenetre, DemarreSurLAccueilPuisEntreeMontreLeSommaire) {
    TdonneesCommunes autre;
    TplateformeScriptee p;
    TFenetrePrincipale neuve(autre, &p);
    neuve.show();
    EXPECT_TRUE(neuve.accueilMontre());
    EXPECT_EQ(neuve.size(), QSize(800, 600));
    EXPECT_EQ(neuve.windowTitle(), QStringLiteral("calvane 3e édition 2003"));
    QTest::mouseClick(neuve.zoneAccueil(), Qt::LeftButton, {}, centreEntree);
    EXPECT_FALSE(neuve.accueilMontre());
    EXPECT_EQ(neuve.feuilles()->currentIndex(), 0);
    EXPECT_EQ(autre.plateforme, &p);
    EXPECT_NE(autre.zoneEnonce, nullptr);
    EXPECT_FALSE(neuve.boutonBilan()->isEnabled()) << "pas de fenêtre de bilan encore";
}

TEST_F(Fenetre, AvecSaPlateformeQtLaFigureDeLEnonceSePlaceDansLaFenetre) {
    TdonneesCommunes autre;
    TFenetrePrincipale neuve(autre);
    neuve.show();
    QTest::mouseClick(neuve.zoneAccueil(), Qt::LeftButton, {}, centreEntree);
    autre.PageControle->pageActive = Onglet::Exercices;
    placerFigureEnonceCarree(autre);
    neuve.synchroniser();
    TwidgetZone* figure = nullptr;
    for (TwidgetZone* w : neuve.findChildren<TwidgetZone*>()) {
        if (&w->boite == autre.zoneFigure->boite) {
            figure = w;
        }
    }
    ASSERT_NE(figure, nullptr);
    // L'énoncé occupe 780 × 271 à 27 pixels sous le haut de son panneau.
    EXPECT_EQ(figure->geometry(), QRect(780 - 5 - 261, 27 + 5, 261, 261));
    EXPECT_TRUE(figure->isVisible());
}

TEST_F(Fenetre, AuClavierEntreeQuitteLAccueilEtTabParcourtLesArbres) {
    TdonneesCommunes autre;
    TplateformeScriptee p;
    TFenetrePrincipale neuve(autre, &p);
    neuve.show();
    neuve.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&neuve));
    ASSERT_TRUE(neuve.zoneAccueil()->hasFocus()) << "le focus attend sur « Entrée »";
    QTest::keyClick(neuve.zoneAccueil(), Qt::Key_Return);
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
    cliquerNoeud(arbre, uniteessai::serieUnChamp);
    EXPECT_EQ(d.ArbreChoixExercice->selection, uniteessai::serieUnChamp)
        << "le premier appui sélectionne";
    EXPECT_EQ(d.exercicesAbordes, 0) << "le premier appui ne lance rien";
    EXPECT_EQ(feuilleActive(), 0);

    cliquerNoeud(arbre, uniteessai::serieUnChamp);
    EXPECT_EQ(d.exercicesAbordes, 1);
    EXPECT_TRUE(d.exerciceEnCours);
    EXPECT_EQ(d.numeroExercice, uniteessai::serieUnChamp);
    EXPECT_EQ(d.codeChapitre, 2);
    EXPECT_EQ(d.LabelChapitreExercice->texte, titreChapitre(2 + decalageTitre));
    EXPECT_EQ(d.LabelTitreExercice->texte, std::string(18, ' ') + "Un champ (1/3)");
    EXPECT_EQ(feuilleActive(), 2);
    EXPECT_EQ(fenetre->feuilles()->currentIndex(), 2);
    EXPECT_EQ(fenetre->barreOnglets()->courant(), 2);
    EXPECT_TRUE(fenetre->champ(1)->isVisible());
    EXPECT_FALSE(fenetre->champ(2)->isVisible());
    EXPECT_TRUE(fenetre->champ(1)->hasFocus());
    EXPECT_TRUE(montre(d.BoutonCorrection));
    EXPECT_FALSE(montre(d.BoutonReessayer));
    EXPECT_EQ(plateforme.nombre(TplateformeScriptee::Appel::Question), 0)
        << "aucune série en cours : pas de confirmation";
}

TEST_F(Fenetre, UnDoubleClicSurUneFeuilleLaLanceUneFois) {
    TarbreWidget* arbre = fenetre->arbreExercices();
    QTreeWidgetItem* e = arbre->element(uniteessai::bareme3);
    e->parent()->setExpanded(true);
    arbre->scrollToItem(e);
    // Ce que le système envoie : appui, relâché, puis l'appui double.
    const QPoint centre = arbre->visualItemRect(e).center();
    QTest::mouseClick(arbre->viewport(), Qt::LeftButton, {}, centre);
    EXPECT_EQ(d.exercicesAbordes, 0) << "le premier appui sélectionne seulement";
    QTest::mouseDClick(arbre->viewport(), Qt::LeftButton, {}, centre);
    EXPECT_EQ(d.exercicesAbordes, 1);
    EXPECT_EQ(d.numeroExercice, uniteessai::bareme3);
    EXPECT_EQ(plateforme.nombre(TplateformeScriptee::Appel::Question), 0) << "lancé une fois";
}

TEST_F(Fenetre, EntreeSurUneFeuilleLanceCommeLAppui) {
    TarbreWidget* arbre = fenetre->arbreExercices();
    cliquerNoeud(arbre, uniteessai::choixUnique);
    arbre->setFocus();
    QTest::keyClick(arbre, Qt::Key_Return);
    EXPECT_EQ(d.exercicesAbordes, 1);
    EXPECT_EQ(d.numeroExercice, uniteessai::choixUnique);
}

TEST_F(Fenetre, UnAppuiSurUnNoeudDeChapitreNeLanceJamais) {
    TarbreWidget* arbre = fenetre->arbreExercices();
    for (const int index : {0, 1, 13, 14}) {
        cliquerNoeud(arbre, index);
        cliquerNoeud(arbre, index);
        EXPECT_EQ(d.ArbreChoixExercice->selection, index);
        QTest::keyClick(arbre, Qt::Key_Return);
    }
    EXPECT_EQ(d.exercicesAbordes, 0);
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

TEST_F(Fenetre, EntreeDansUnChampSoumetLaReponseEtTermineLaQuestion) {
    lancer(uniteessai::bareme3);
    repondre(1, "  12 ");
    EXPECT_EQ(uniteessai::champsJuges(d), 1);
    EXPECT_EQ(d.reponseDonnee[1].texte(), "12") << "espaces autour retirés";
    EXPECT_EQ(d.Edit1->texte, "  12 ") << "la saisie est écrite dans l'état du champ";
    EXPECT_TRUE(d.questionTerminee);
    EXPECT_EQ(d.scoreSerie, 3);
    EXPECT_TRUE(fenetre->champ(1)->isReadOnly());
    EXPECT_FALSE(montre(d.BoutonCorrection));
    EXPECT_FALSE(montre(d.BoutonSuite)) << "une seule question";
    EXPECT_TRUE(montre(d.BoutonSommaire));
    EXPECT_TRUE(fenetre->bouton(*d.BoutonSommaire)->hasFocus());
    EXPECT_FALSE(d.exerciceEnCours);
    EXPECT_EQ(d.exercicesTraites, 1);
    // L'animation de l'accueil au démarrage, puis Timer à la fin de la question.
    EXPECT_EQ(plateforme.nombre(TplateformeScriptee::Appel::DemarrerMinuterie), 2);
}

TEST_F(Fenetre, UnChampVideEstRefuseSansJugement) {
    lancer(uniteessai::bareme3);
    repondre(1, "   ");
    EXPECT_EQ(uniteessai::champsJuges(d), 0);
    EXPECT_FALSE(d.questionTerminee);
    EXPECT_EQ(d.essai, 1);
    EXPECT_FALSE(fenetre->champ(1)->isReadOnly());
    EXPECT_TRUE(fenetre->champ(1)->hasFocus());
    EXPECT_TRUE(montre(d.BoutonCorrection));
    EXPECT_FALSE(montre(d.BoutonReessayer));
}

TEST_F(Fenetre, ReessayerPuisSolutionApresTroisEssaisFaux) {
    lancer(uniteessai::bareme3);
    for (int essai = 1; essai <= 3; ++essai) {
        repondre(1, "7");
        EXPECT_FALSE(d.questionTerminee);
        EXPECT_TRUE(fenetre->champ(1)->isReadOnly()) << essai;
        EXPECT_TRUE(montre(d.BoutonReessayer)) << essai;
        EXPECT_FALSE(montre(d.BoutonCorrection)) << essai;
        EXPECT_TRUE(fenetre->bouton(*d.BoutonReessayer)->hasFocus()) << essai;
        EXPECT_EQ(montre(d.BoutonSolution), essai == 3) << "Solution au troisième essai faux";
        if (essai < 3) {
            cliquer(d.BoutonReessayer);
            EXPECT_FALSE(montre(d.BoutonReessayer));
            EXPECT_TRUE(montre(d.BoutonCorrection));
            EXPECT_FALSE(fenetre->champ(1)->isReadOnly());
            EXPECT_TRUE(fenetre->champ(1)->hasFocus());
            EXPECT_EQ(fenetre->champ(1)->text(), QStringLiteral("7")) << "le texte reste";
        }
    }
    cliquer(d.BoutonSolution);
    EXPECT_TRUE(d.questionTerminee);
    EXPECT_EQ(d.solutionsDemandees, 1);
    EXPECT_EQ(d.scoreSerie, 0);
    EXPECT_EQ(d.scoreSerieMax, 3);
    EXPECT_FALSE(montre(d.BoutonSolution));
    EXPECT_FALSE(montre(d.BoutonReessayer));
    EXPECT_TRUE(montre(d.BoutonSommaire));
}

TEST_F(Fenetre, SuiteAttendUnTicPuisPoseLaQuestionSuivante) {
    lancer(uniteessai::serieUnChamp);
    repondre(1, "12");
    ASSERT_TRUE(montre(d.BoutonSuite));
    EXPECT_FALSE(montre(d.BoutonSommaire));
    EXPECT_TRUE(d.exerciceEnCours);

    cliquer(d.BoutonSuite);
    EXPECT_EQ(d.numeroQuestion, 1) << "un clic avant le premier tic est ignoré";
    fenetre->ticMinuterie(*d.Timer);
    EXPECT_EQ(d.delaiBoutons, 0);
    EXPECT_EQ(plateforme.nombre(TplateformeScriptee::Appel::ArreterMinuterie), 2)
        << "arrêtée au lancement, puis au tic";
    cliquer(d.BoutonSuite);
    EXPECT_EQ(d.numeroQuestion, 2);
    EXPECT_EQ(d.LabelTitreExercice->texte, std::string(18, ' ') + "Un champ (2/3)");
    EXPECT_FALSE(montre(d.BoutonSuite));
    EXPECT_TRUE(montre(d.BoutonCorrection));
    EXPECT_FALSE(fenetre->champ(1)->isReadOnly());
    EXPECT_TRUE(fenetre->champ(1)->hasFocus());

    // Entrée sur une question terminée passe aussi à la suivante.
    repondre(1, "13");
    fenetre->ticMinuterie(*d.Timer);
    QTest::keyClick(fenetre->champ(1), Qt::Key_Return);
    EXPECT_EQ(d.numeroQuestion, 3);
}

TEST_F(Fenetre, SommaireRameneAuSommaireApresLeTic) {
    lancer(uniteessai::bareme2);
    repondre(1, "12");
    cliquer(d.BoutonSommaire);
    EXPECT_EQ(feuilleActive(), 2) << "ignoré avant le premier tic";
    fenetre->ticMinuterie(*d.Timer);
    cliquer(d.BoutonSommaire);
    EXPECT_EQ(feuilleActive(), 0);
    EXPECT_EQ(fenetre->feuilles()->currentIndex(), 0);
    EXPECT_TRUE(fenetre->arbreExercices()->hasFocus());
}

TEST_F(Fenetre, QuitterUneSerieInacheveeDemandeConfirmation) {
    lancer(uniteessai::serieUnChamp);
    ASSERT_TRUE(d.exerciceEnCours);

    plateforme.reponsesOuiNon = {false};
    lancer(uniteessai::bareme3);
    ASSERT_EQ(plateforme.nombre(TplateformeScriptee::Appel::Question), 1);
    const auto question =
        std::find_if(plateforme.journal.begin(), plateforme.journal.end(), [](const auto& appel) {
            return appel.genre == TplateformeScriptee::Appel::Question;
        });
    EXPECT_EQ(question->detail,
              "Confirmation|Voulez-vous vraiment abandonner\r\nl'exercice en cours\u00A0?");
    EXPECT_EQ(d.numeroExercice, uniteessai::serieUnChamp) << "Non : la série continue";
    EXPECT_EQ(d.exercicesAbordes, 1);

    // Le nœud refusé est resté sélectionné : un seul appui le relance.
    plateforme.reponsesOuiNon = {true};
    cliquerNoeud(fenetre->arbreExercices(), uniteessai::bareme3);
    EXPECT_EQ(plateforme.nombre(TplateformeScriptee::Appel::Question), 2);
    EXPECT_EQ(d.numeroExercice, uniteessai::bareme3) << "Oui : l'autre exercice commence";
    EXPECT_EQ(feuilleActive(), 2);

    // Une série finie s'abandonne sans question.
    repondre(1, "12");
    ASSERT_FALSE(d.exerciceEnCours);
    lancer(uniteessai::bareme2);
    EXPECT_EQ(plateforme.nombre(TplateformeScriptee::Appel::Question), 2);
    EXPECT_EQ(d.numeroExercice, uniteessai::bareme2);
}

TEST_F(Fenetre, UnAppuiSurUneCaseEnChoixUniqueSoumet) {
    lancer(uniteessai::choixUnique);
    ASSERT_FALSE(montre(d.BoutonCorrection)) << "pas de bouton Correction";
    TwidgetZone* enonce = widgetDe(*d.zoneEnonce);
    ASSERT_NE(enonce, nullptr);
    const auto centre = [&](int n) {
        const TcaseChoix& c = d.cases[n];
        return QPoint(static_cast<int>((c.xGauche + c.xDroite) / 2),
                      static_cast<int>((c.yHaut + c.yBas) / 2));
    };
    QTest::mouseClick(enonce, Qt::LeftButton, {}, centre(3));
    EXPECT_TRUE(d.cases[3].choisie);
    EXPECT_TRUE(d.questionTerminee) << "le choix fait soumet";
    EXPECT_EQ(d.codeVerdict, Tverdict::exact);
    EXPECT_TRUE(montre(d.BoutonSommaire));
    const bool choisie = d.cases[1].choisie;
    QTest::mouseClick(enonce, Qt::LeftButton, {}, centre(1));
    EXPECT_EQ(d.cases[1].choisie, choisie) << "question terminée : les cases ne bougent plus";
}

TEST_F(Fenetre, LeBilanSOuvreParLaFenetreDInformation) {
    std::vector<int> ouverts;
    renvoisContenu().ouvrirInfo = [&](TdonneesCommunes&, int id) { ouverts.push_back(id); };
    EXPECT_FALSE(fenetre->boutonBilan()->isEnabled());
    lancer(uniteessai::bareme3);
    ASSERT_TRUE(fenetre->boutonBilan()->isEnabled());
    QTest::mouseClick(fenetre->boutonBilan(), Qt::LeftButton);
    EXPECT_EQ(ouverts, std::vector<int>{identifiant::bilan});
}

struct TcasFleches {
    const char* nom;
    int exercice;
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
    lancer(cas.exercice);
    fenetre->champ(cas.depart)->setFocus();
    QTest::keyClick(fenetre->champ(cas.depart), cas.touche);
    EXPECT_TRUE(fenetre->champ(cas.arrivee)->hasFocus());
    EXPECT_TRUE(champReponse(d, cas.arrivee)->focus);
    EXPECT_EQ(uniteessai::champsJuges(d), 0) << "les flèches ne soumettent rien";
    EXPECT_TRUE(montre(d.BoutonCorrection));
}

INSTANTIATE_TEST_SUITE_P(
    Fenetre, FlechesDesChamps,
    testing::Values(TcasFleches{"Bas1vers2", uniteessai::troisChamps, 1, Qt::Key_Down, 2},
                    TcasFleches{"Bas2vers3", uniteessai::troisChamps, 2, Qt::Key_Down, 3},
                    TcasFleches{"BasSurLeDernier", uniteessai::troisChamps, 3, Qt::Key_Down, 3},
                    TcasFleches{"BasSansSecondChamp", uniteessai::bareme3, 1, Qt::Key_Down, 1},
                    TcasFleches{"BasSansTroisiemeChamp", uniteessai::deuxChamps, 2, Qt::Key_Down,
                                2},
                    TcasFleches{"Haut3vers2", uniteessai::troisChamps, 3, Qt::Key_Up, 2},
                    TcasFleches{"Haut2vers1", uniteessai::troisChamps, 2, Qt::Key_Up, 1},
                    TcasFleches{"HautSurLePremier", uniteessai::troisChamps, 1, Qt::Key_Up, 1}),
    [](const testing::TestParamInfo<TcasFleches>& info) { return info.param.nom; });

TEST_F(Fenetre, FermerDepuisLesOngletsRevientALAccueilPuisTermine) {
    lancer(uniteessai::serieUnChamp);
    EXPECT_FALSE(fenetre->close()) << "la fenêtre reste ouverte";
    EXPECT_TRUE(fenetre->accueilMontre());
    EXPECT_NE(d.zoneEnonce, nullptr);
    EXPECT_EQ(d.numeroExercice, uniteessai::serieUnChamp)
        << "l'exercice survit au retour à l'accueil";
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
