// Les exercices du chapitre 1 joués sans fenêtre : les cases de l'indice 2 et leur correcteur,
// les titres, les boutons de cours et la figure des aires. Les réponses modèles de toutes les
// questions sont vérifiées par « calvane-banc parcours --chapitre 1 ».

#include "analysis/jugement/verdict.h"
#include "core/controles/bouton.h"
#include "core/controles/controlesfenetre.h"
#include "core/controles/libelle.h"
#include "core/donneescommunes.h"
#include "core/exercice/cases.h"
#include "core/exercice/exercice.h"
#include "core/exercice/repartition.h"
#include "core/exercice/soumission.h"
#include "core/plateforme/plateformescriptee.h"
#include "display/zones/objettexte.h"
#include "display/zones/zoneaffichage.h"
#include "exercises/inscriptionchapitres.h"
#include "tests/exercises/exercicesessai.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <string>
#include <vector>

namespace {

class ExercicesCh01 : public ExercicesEssai {
protected:
    // Choisit exactement les cases données (clic au centre de chacune) et soumet.
    void choisir(const std::vector<int>& cases) {
        for (int n = 1; n <= nombreMaxCases; ++n) {
            d.cases[n].choisie = false;
        }
        for (int n : cases) {
            const TcaseChoix& c = d.cases[n];
            d.sourisX = static_cast<int>((c.xGauche + c.xDroite) / 2);
            d.sourisY = static_cast<int>((c.yHaut + c.yBas) / 2);
            basculerCase(d);
        }
        validerReponse(d);
    }

    struct TexteLigne {
        std::string texte;
        double ligne;
    };
    std::vector<TexteLigne> textesSolution() const {
        std::vector<TexteLigne> textes;
        for (const auto& objet : d.zoneSolution->objets) {
            if (const auto* t = dynamic_cast<const Ttexte*>(objet.get())) {
                textes.push_back({t->texte, t->y / 18});
            }
        }
        return textes;
    }
};

// ---- Indice 2 : « Reconnaître une somme, un produit » ----

struct CasCases {
    const char* nom;
    int question;
    std::vector<int> choisies;
    // nullptr : la réponse est exacte.
    const char* message;
};

class CasesIndice2 : public ExercicesCh01, public testing::WithParamInterface<CasCases> {};

TEST_P(CasesIndice2, PremiereCaseMalChoisieNommee) {
    const CasCases& c = GetParam();
    lancer(2, c.question);
    choisir(c.choisies);
    const auto textes = textesSolution();
    if (c.message == nullptr) {
        EXPECT_EQ(d.codeVerdict, Tverdict::exact);
        EXPECT_TRUE(d.questionTerminee);
        EXPECT_EQ(d.points, 1);
        EXPECT_TRUE(textes.empty()) << "aucune solution écrite : " << textes[0].texte;
    } else {
        EXPECT_EQ(d.codeVerdict, Tverdict::faux);
        EXPECT_FALSE(d.questionTerminee);
        ASSERT_EQ(textes.size(), 1u);
        EXPECT_EQ(textes[0].texte, c.message);
        EXPECT_DOUBLE_EQ(textes[0].ligne, 4.5);
        EXPECT_TRUE(d.BoutonReessayer->visible);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Chapitre1, CasesIndice2,
    testing::Values(
        CasCases{"sommesJustes", 1, {1, 3, 6}, nullptr},
        CasCases{"sommeOubliee",
                 1,
                 {1, 3},
                 "3(x + 2) + 5(x + 3) est la somme de 3(x + 2) et de 5(x + 3)."},
        CasCases{"produitChoisi", 1, {1, 2, 3, 6}, "x (3 + x) est le produit de x par 3 + x."},
        CasCases{"aucuneCase", 1, {}, "3 x + 4 est la somme de 3 x et de 4."},
        CasCases{"produitsJustes", 2, {1, 2, 5}, nullptr},
        CasCases{"carreOublie", 2, {1, 5}, "(2 x -3)² est le produit de 2 x -3  par  2 x -3."},
        CasCases{
            "sommeChoisie", 2, {1, 2, 5, 6}, "x + 3 (x + 4) est la somme de x  et de 3 (x + 4)"},
        CasCases{"differenceChoisie",
                 2,
                 {1, 2, 3, 5},
                 "(x + 1)(x + 2) -1 est la somme de (x + 1)(x + 2)  et de -1."}),
    [](const testing::TestParamInfo<CasCases>& info) { return std::string(info.param.nom); });

TEST_F(ExercicesCh01, CasesDisposeesEnDeuxLignesDeTrois) {
    lancer(2);
    EXPECT_EQ(d.modeReponse, modeReponseCases);
    EXPECT_EQ(d.nombreCases, 9);
    EXPECT_EQ(d.nombreChamps, 0);
    EXPECT_DOUBLE_EQ(d.cases[4].yBas, 255);
    EXPECT_DOUBLE_EQ(d.cases[1].yBas, 220);
    EXPECT_DOUBLE_EQ(d.cases[1].xDroite - d.cases[1].xGauche, (600 - 20) / 3.0);
    EXPECT_FALSE(d.cases[7].active);
    EXPECT_EQ(d.etiquettes[d.cases[6].etiquette].texte, "3(x + 2) + 5(x + 3)");
    EXPECT_DOUBLE_EQ(d.etiquettes[d.cases[6].etiquette].demiLargeur, 7);
}

// Un point à la première tentative comptée, aucun ensuite ; la question reste ouverte et la
// solution n'est jamais proposée, même après trois essais faux.
TEST_F(ExercicesCh01, CasesSansSolutionEtPointsSelonLEssai) {
    lancer(2);
    for (int essai = 1; essai <= 4; ++essai) {
        choisir({1});
        EXPECT_FALSE(d.BoutonSolution->visible) << essai;
        EXPECT_FALSE(d.solutionPermise) << essai;
        reessayer(d);
    }
    choisir({1, 3, 6});
    EXPECT_TRUE(d.questionTerminee);
    EXPECT_EQ(d.points, 0);
    EXPECT_EQ(d.scoreSerieMax, 1);
    EXPECT_TRUE(d.BoutonSuite->visible);
    poserQuestion(d, true);
    EXPECT_EQ(d.LabelTitreExercice->texte,
              std::string(18, ' ') + "Reconnaître une somme, un produit (2/2)");
    EXPECT_FALSE(d.casesJustes.test(3)) << "les cases justes de la question 1 sont oubliées";
    EXPECT_FALSE(d.casesJustes.test(6));
    EXPECT_TRUE(d.casesJustes.test(2));
    EXPECT_TRUE(d.casesJustes.test(5));
}

// ---- Réponses tapées, jugées par les vrais correcteurs ----

// Indice 3, question 1 : la forme réduite vaut 3 points ; une expression égale non réduite
// est mal écrite (verdict 9) et l'essai ne compte pas ; une expression fausse compte.
TEST_F(ExercicesCh01, ReduireUneSommeFormeExigee) {
    lancer(3);
    repondre({"2a-3b+8-5a+7b-13"});
    EXPECT_EQ(d.codeVerdict, Tverdict::malEcrit);
    EXPECT_FALSE(d.questionTerminee);
    EXPECT_EQ(d.essai, 1);
    reessayer(d);
    repondre({"-3a+4b-5"});
    EXPECT_EQ(d.codeVerdict, Tverdict::exact);
    EXPECT_TRUE(d.questionTerminee);
    EXPECT_EQ(d.points, 3);
    EXPECT_EQ(d.scoreSerie, 3);
}

// Indice 52 : 5 points au premier essai compté, 3 au deuxième ; un essai faux ne nomme que
// le champ faux ; la solution est proposée après le troisième essai faux.
TEST_F(ExercicesCh01, DevelopperFactoriserCalculerPointsSelonLEssai) {
    lancer(52);
    repondre({"4x^2+4x-15", "(2x+5)(2x-3)", "105"});
    EXPECT_EQ(d.codeVerdict, Tverdict::exact);
    EXPECT_EQ(d.points, 5);

    lancer(52);
    repondre({"4x^2+4x-15", "(2x+5)(2x-3)", "104"});
    EXPECT_FALSE(d.questionTerminee);
    const auto messages = textesSolution();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].texte, "La réponse c est fausse.");
    EXPECT_EQ(d.champAReprendre, 3);
    reessayer(d);
    repondre({"4x^2+4x-15", "(2x+5)(2x-3)", "105"});
    EXPECT_TRUE(d.questionTerminee);
    EXPECT_EQ(d.points, 3);

    lancer(52);
    for (int essai = 1; essai <= 3; ++essai) {
        repondre({"4x^2+4x-15", "(2x+5)(2x-3)", "0"});
        EXPECT_EQ(d.BoutonSolution->visible, essai == 3) << essai;
        if (essai < 3) {
            reessayer(d);
        }
    }
    BoutonSolutionClick(d);
    EXPECT_TRUE(d.questionTerminee);
    EXPECT_EQ(d.points, 0);
}

// ---- Titres, pages de cours, consignes ----

TEST_F(ExercicesCh01, TitreAvecNumeroDeQuestion) {
    lancer(28);
    EXPECT_EQ(d.LabelTitreExercice->texte,
              std::string(18, ' ') +
                  "Développement avec des identités remarquables, série 2 (1/2)");
    lancer(39);
    EXPECT_EQ(d.titreExercice, "Factorisation avec un facteur commun : \"le coup du 1\"");
    lancer(57);
    EXPECT_EQ(d.LabelTitreExercice->texte, std::string(18, ' ') + "Problème - Avec des aires");
}

struct CasCours {
    int index;
    int page;
};

class CoursIndices : public ExercicesCh01, public testing::WithParamInterface<CasCours> {};

TEST_P(CoursIndices, BoutonRevoirCours) {
    lancer(GetParam().index);
    EXPECT_EQ(d.pageCoursLiee, GetParam().page);
    EXPECT_EQ(d.BoutonRevoirCours->visible, GetParam().page != 0);
}

INSTANTIATE_TEST_SUITE_P(Chapitre1, CoursIndices,
                         testing::Values(CasCours{2, 0}, CasCours{7, 0}, CasCours{9, 1002},
                                         CasCours{12, 1002}, CasCours{17, 1003}, CasCours{30, 1003},
                                         CasCours{33, 1007}, CasCours{34, 1007}, CasCours{35, 1004},
                                         CasCours{44, 1004}, CasCours{50, 1004}, CasCours{52, 0},
                                         CasCours{55, 0}, CasCours{62, 0}),
                         [](const testing::TestParamInfo<CasCours>& info) {
                             return "indice" + std::to_string(info.param.index);
                         });

// Indice 54 : la valeur de 25 − (x + 1)² pour x = 5 vaut −11.
TEST_F(ExercicesCh01, TroisChampsDeDevelopperFactoriserCalculer) {
    lancer(54);
    EXPECT_EQ(d.nombreChamps, 3);
    EXPECT_EQ(d.typeReponse[1], TgenreReponse::developpee);
    EXPECT_EQ(d.typeReponse[2], TgenreReponse::factorisee);
    EXPECT_EQ(d.typeReponse[3], TgenreReponse::nombre);
    EXPECT_EQ(d.reponseAttendue[1], "25-(x+1)^2");
    EXPECT_EQ(d.reponseAttendue[2], "25-(x+1)^2");
    EXPECT_DOUBLE_EQ(d.valeurAttendue[3], -11);
    std::vector<std::string> enonce;
    for (const auto& objet : d.zoneEnonce->objets) {
        if (const auto* t = dynamic_cast<const Ttexte*>(objet.get())) {
            enonce.push_back(t->texte);
        }
    }
    EXPECT_NE(std::find(enonce.begin(), enonce.end(), "On pose : A = 25 -(x + 1)²"), enonce.end());
    EXPECT_NE(std::find(enonce.begin(), enonce.end(), "c. Calculer la valeur de A pour x = 5."),
              enonce.end());
}

// Indice 57 : le terrain en L rempli de jaune pâle, son contour noir, deux cotes bleues sans
// point et le carré retiré en pointillés ; rien d'indéfini.
TEST_F(ExercicesCh01, FigureDesAires) {
    lancer(57);
    ASSERT_TRUE(d.zoneFigure);
    TzoneAffichage& z = *d.zoneFigure;
    EXPECT_TRUE(z.boite->visible);
    for (const auto& objet : z.objets) {
        EXPECT_FALSE(objet->indefini) << objet->nom;
    }
    const TobjetZone* terrain = z.objet(indiceObjet(z, "terrain"));
    ASSERT_NE(terrain, nullptr);
    EXPECT_EQ(terrain->couleur, 0xFFFFE0u);
    EXPECT_EQ(terrain->remplissage, 1);
    const TobjetZone* bord = z.objet(indiceObjet(z, "bord"));
    ASSERT_NE(bord, nullptr);
    EXPECT_EQ(bord->couleur, 0x000000u);
    EXPECT_EQ(bord->remplissage, 0);
    for (const char* sommet : {"A", "B", "C", "D", "E", "F", "G"}) {
        const TobjetZone* p = z.objet(indiceObjet(z, sommet));
        ASSERT_NE(p, nullptr) << sommet;
        EXPECT_FALSE(p->visible) << sommet;
    }
    EXPECT_NE(indiceObjet(z, "[EG]"), 0);
    EXPECT_NE(indiceObjet(z, "[CG]"), 0);
    EXPECT_EQ(z.objet(indiceObjet(z, "[EG]"))->style, 3);
}

} // namespace
