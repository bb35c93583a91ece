#include "core/arbres/arbreexercices.h"
#include "core/controles/arbre.h"
#include "core/controles/minuterie.h"
#include "core/plateforme/plateformescriptee.h"

#include <gtest/gtest.h>

namespace {

using Appel = TplateformeScriptee::Appel;

TEST(PlateformeScriptee, RepondAuxQuestionsSelonLeScriptPuisNon) {
    TplateformeScriptee p;
    p.reponsesOuiNon = {true, false, true};
    EXPECT_TRUE(p.demanderOuiNon("Confirmation", "q1"));
    EXPECT_FALSE(p.demanderOuiNon("Confirmation", "q2"));
    EXPECT_TRUE(p.demanderOuiNon("Confirmation", "q3"));
    EXPECT_FALSE(p.demanderOuiNon("Confirmation", "q4")) << "script épuisé : Non";
    ASSERT_EQ(p.nombre(Appel::Question), 4);
    EXPECT_EQ(p.journal[0].detail, "Confirmation|q1");
}

TEST(PlateformeScriptee, SonsPresentsSeulementSiConnus) {
    TplateformeScriptee p;
    EXPECT_FALSE(p.ouvrirSon("/prog/erreur.wav"));
    p.fichiersPresents.insert("/prog/erreur.wav");
    EXPECT_TRUE(p.ouvrirSon("/prog/erreur.wav"));
    EXPECT_FALSE(p.ouvrirSon("/prog/autre.wav"));
    p.sonsPresents = true;
    EXPECT_TRUE(p.ouvrirSon("/prog/autre.wav"));
    p.jouerSon("/prog/autre.wav");
    p.bip(Bip::Main);
    p.bip(Bip::Question);
    EXPECT_EQ(p.nombre(Appel::OuvrirSon), 4);
    EXPECT_EQ(p.nombre(Appel::JouerSon), 1);
    ASSERT_EQ(p.nombre(Appel::Bip), 2);
    EXPECT_EQ(p.journal[5].detail, "main");
    EXPECT_EQ(p.journal[6].detail, "question");
}

TEST(PlateformeScriptee, MinuteriesEtCurseur) {
    TplateformeScriptee p;
    Tminuterie m;
    p.demarrerMinuterie(m);
    EXPECT_TRUE(m.actif);
    p.arreterMinuterie(m);
    EXPECT_FALSE(m.actif);
    p.changerCurseur(FormeCurseur::Main);
    ASSERT_EQ(p.journal.size(), 3u);
    EXPECT_EQ(p.journal[0].cible, &m);
    EXPECT_EQ(p.journal[2].detail, "main");
    p.effacerJournal();
    EXPECT_TRUE(p.journal.empty());
}

TEST(EtatArbre, SelectionEtDepliage) {
    Tarbre arbre(arbreExercices());
    arbre.selectionner(15); // sous « Carré d'une somme » (14), sous « Identités remarquables » (13)
    EXPECT_EQ(arbre.selection, 15);
    EXPECT_TRUE(arbre.estDeplie(14));
    EXPECT_TRUE(arbre.estDeplie(13));
    EXPECT_TRUE(arbre.estDeplie(0));
    EXPECT_FALSE(arbre.estDeplie(15));
    arbre.deplier(15);
    EXPECT_FALSE(arbre.estDeplie(15)) << "une feuille ne se déplie pas";
    arbre.replier(0);
    EXPECT_FALSE(arbre.estDeplie(0));
    for (int hors : {-1, 605, 100000}) {
        arbre.selectionner(hors);
        arbre.deplier(hors);
        EXPECT_FALSE(arbre.estDeplie(hors));
    }
    EXPECT_EQ(arbre.selection, 15);

    Tarbre sansContenu;
    sansContenu.selectionner(3);
    EXPECT_EQ(sansContenu.selection, -1);
    sansContenu.contenu = &arbreExercices();
    sansContenu.deplier(8);
    EXPECT_TRUE(sansContenu.estDeplie(8)) << "contenu affecté après coup";
}

} // namespace
