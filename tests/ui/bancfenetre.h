#pragma once

// Le banc des tests de la fenêtre : une fenêtre principale montrée sur une plateforme
// scriptée, l'élève déjà entré dans les onglets, et les gestes qui servent à plusieurs tests.

#include "core/donneescommunes.h"
#include "core/plateforme/plateformescriptee.h"
#include "core/renvoiscontenu.h"
#include "tests/core/uniteessai.h"
#include "ui/arbrewidget.h"
#include "ui/barreonglets.h"
#include "ui/boutonimage.h"
#include "ui/fenetreprincipale.h"
#include "ui/widgetzone.h"

#include "core/controles/bouton.h"
#include "core/controles/classeur.h"
#include "display/zones/boitepeinture.h"
#include "display/zones/zoneaffichage.h"

#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>

// Le centre du bouton « Entrée » de l'accueil, dans la zone de l'accueil.
inline const QPoint centreEntree(395, 520);

// L'unité d'essai du noyau pose les questions du chapitre 1 (code 2) et juge par son
// correcteur scripté ; la fenêtre est montrée et l'élève est déjà entré dans les onglets.
class Fenetre : public testing::Test {
protected:
    void SetUp() override {
        uniteessai::inscrire();
        fenetre = std::make_unique<TFenetrePrincipale>(d, &plateforme);
        fenetre->show();
        fenetre->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(fenetre.get()));
        QTest::mouseClick(fenetre->zoneAccueil(), Qt::LeftButton, {}, centreEntree);
    }

    void TearDown() override {
        fenetre.reset();
        uniteessai::desinscrire();
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

    // Le sommaire, puis sélection et appui sur la feuille de l'exercice.
    void lancer(int index) {
        QTest::mouseClick(fenetre->barreOnglets(), Qt::LeftButton, {},
                          fenetre->barreOnglets()->rectOnglet(0).center());
        cliquerNoeud(fenetre->arbreExercices(), index);
        cliquerNoeud(fenetre->arbreExercices(), index);
    }

    // Remplace le texte du champ k et appuie sur Entrée dans ce champ.
    void repondre(int k, const char* texte) {
        QLineEdit* champ = fenetre->champ(k);
        champ->setFocus();
        champ->selectAll();
        QTest::keyClicks(champ, QString::fromUtf8(texte));
        QTest::keyClick(champ, Qt::Key_Return);
    }

    // Le bouton Qt d'un bouton du noyau ; il doit être montré pour qu'on clique dessus.
    bool montre(const Tbouton* etat) const { return fenetre->bouton(*etat)->isVisible(); }
    void cliquer(const Tbouton* etat) {
        ASSERT_TRUE(montre(etat));
        QTest::mouseClick(fenetre->bouton(*etat), Qt::LeftButton);
    }

    TwidgetZone* widgetDe(const TzoneAffichage& zone) const {
        for (TwidgetZone* w : fenetre->findChildren<TwidgetZone*>()) {
            if (&w->boite == zone.boite) {
                return w;
            }
        }
        return nullptr;
    }

    int feuilleActive() const { return static_cast<int>(d.PageControle->pageActive); }

    TdonneesCommunes d;
    TplateformeScriptee plateforme;
    std::unique_ptr<TFenetrePrincipale> fenetre;
};
