#include "analysis/jugement/verdict.h"
#include "core/controles/barreetat.h"
#include "core/controles/bouton.h"
#include "core/controles/champsaisie.h"
#include "core/controles/classeur.h"
#include "core/controles/libelle.h"
#include "core/controles/minuterie.h"
#include "core/exercice/exercice.h"
#include "core/exercice/soumission.h"
#include "display/tableaux/objetdiagramme.h"
#include "display/zones/zoneaffichage.h"
#include "tests/core/soumissionessai.h"
#include "tests/core/uniteessai.h"

#include <string>
#include <vector>

namespace {

using Appel = TplateformeScriptee::Appel;

// Points d'une question à un champ selon le barème et le nombre de réponses fausses avant
// la bonne.
struct CasPoints {
    const char* nom;
    int index;
    int fausses;
    int points;
};

class PointsParEssai : public SoumissionEssai, public testing::WithParamInterface<CasPoints> {};

TEST_P(PointsParEssai, UnChamp) {
    const CasPoints& cas = GetParam();
    lancerExercice(d, cas.index);
    for (int i = 0; i < cas.fausses; ++i) {
        repondre({"0"});
        ASSERT_FALSE(d.questionTerminee);
        reessayer(d);
    }
    repondre({"12"});
    ASSERT_TRUE(d.questionTerminee);
    EXPECT_EQ(d.codeVerdict, Tverdict::exact);
    EXPECT_EQ(d.points, cas.points);
    EXPECT_EQ(d.scoreSerie, cas.points);
    EXPECT_EQ(d.pointsPossibles, d.bareme);
    EXPECT_EQ(controles.ZoneScoreExercice.texte,
              "                        Score\u00A0: " + std::to_string(cas.points) + " / " +
                  std::to_string(d.bareme));
}

INSTANTIATE_TEST_SUITE_P(
    Baremes, PointsParEssai,
    testing::Values(CasPoints{"bareme3_premier", uniteessai::bareme3, 0, 3},
                    CasPoints{"bareme3_deuxieme", uniteessai::bareme3, 1, 1},
                    CasPoints{"bareme3_troisieme_negatif_ramene_a_0", uniteessai::bareme3, 2, 0},
                    CasPoints{"bareme2_premier", uniteessai::bareme2, 0, 2},
                    CasPoints{"bareme2_deuxieme", uniteessai::bareme2, 1, 0},
                    CasPoints{"bareme1_premier", uniteessai::serieUnChamp, 0, 1},
                    CasPoints{"bareme1_deuxieme", uniteessai::serieUnChamp, 1, 0}),
    [](const auto& info) { return std::string(info.param.nom); });

// La fin d'une question selon le verdict, la notation, le barème et l'essai : points,
// question finie ou non, essai compté ou non.
struct CasConclusion {
    const char* nom;
    Tverdict verdict;
    Tnotation notation;
    int bareme;
    int essai;
    bool terminee;
    int points;
    int essaiApres;
};

class Conclusion : public SoumissionEssai, public testing::WithParamInterface<CasConclusion> {};

TEST_P(Conclusion, PointsEtFin) {
    const CasConclusion& c = GetParam();
    d.bareme = c.bareme;
    d.essai = c.essai;
    d.points = -7;
    conclureQuestion(d, c.verdict, c.notation);
    EXPECT_EQ(d.codeVerdict, c.verdict);
    EXPECT_EQ(d.questionTerminee, c.terminee);
    EXPECT_EQ(d.points, c.terminee ? c.points : -7) << "une question ouverte garde ses points";
    EXPECT_EQ(d.essai, c.essaiApres);
    EXPECT_EQ(plateforme.nombre(Appel::JouerSon), c.verdict == Tverdict::faux ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(
    Notations, Conclusion,
    testing::Values(CasConclusion{"premierEssai_b2_e1", Tverdict::exact, Tnotation::premierEssai, 2,
                                  1, true, 2, 1},
                    CasConclusion{"premierEssai_b2_e2", Tverdict::exact, Tnotation::premierEssai, 2,
                                  2, true, 0, 2},
                    CasConclusion{"deuxParEssai_b6_e3", Tverdict::exact,
                                  Tnotation::deuxPointsParEssai, 6, 3, true, 2, 3},
                    CasConclusion{"pointParEssai_b3_e2", Tverdict::exact, Tnotation::pointParEssai,
                                  3, 2, true, 2, 2},
                    CasConclusion{"essaiUnique_exact", Tverdict::exact, Tnotation::essaiUnique, 4,
                                  1, true, 4, 1},
                    CasConclusion{"essaiUnique_faux_termine", Tverdict::faux,
                                  Tnotation::essaiUnique, 4, 1, true, 0, 1},
                    CasConclusion{"faux_reste_ouvert", Tverdict::faux, Tnotation::pointParEssai, 3,
                                  2, false, 0, 2},
                    CasConclusion{"illisible_non_compte", Tverdict::illisible,
                                  Tnotation::deuxPointsParEssai, 3, 2, false, 0, 1},
                    CasConclusion{"malEcrit_non_compte", Tverdict::malEcrit,
                                  Tnotation::premierEssai, 3, 1, false, 0, 0}),
    [](const auto& info) { return std::string(info.param.nom); });

using Soumission = SoumissionEssai;

TEST_F(Soumission, VerdictsSixEtNeufNeComptentPas) {
    lancerExercice(d, uniteessai::bareme3);
    controles.Edit1.texte = "?x";
    BoutonCorrectionClick(d);
    EXPECT_EQ(d.essai, 1);
    EXPECT_EQ(textesSolution(), std::vector<std::string>{"La réponse n'a pas été comprise."});
    EXPECT_TRUE(controles.BoutonReessayer.visible);
    EXPECT_TRUE(controles.Edit1.lectureSeule);
    BoutonReessayerClick(d);
    EXPECT_FALSE(controles.Edit1.lectureSeule);
    EXPECT_FALSE(controles.BoutonReessayer.visible);
    EXPECT_TRUE(controles.BoutonCorrection.visible);
    EXPECT_TRUE(textesSolution().empty()) << "la solution est effacée";
    repondre({"24/2"});
    EXPECT_EQ(d.codeVerdict, Tverdict::malEcrit);
    EXPECT_EQ(d.valeurDonnee[1], 12) << "le nombre lu est gardé";
    EXPECT_EQ(d.essai, 1);
    reessayer(d);
    repondre({"12"});
    EXPECT_EQ(d.points, 3) << "toujours au premier essai compté";
    EXPECT_EQ(plateforme.nombre(Appel::JouerSon), 0) << "aucune réponse fausse";
}

TEST_F(Soumission, ChampVideRefuseSansRienCompter) {
    lancerExercice(d, uniteessai::troisChamps);
    repondre({"1", "  ", "3"});
    EXPECT_EQ(d.essai, 1);
    EXPECT_FALSE(controles.BoutonReessayer.visible);
    EXPECT_TRUE(controles.BoutonCorrection.visible);
    EXPECT_TRUE(textesSolution().empty());
    EXPECT_TRUE(controles.Edit2.focus);
    EXPECT_FALSE(controles.Edit1.lectureSeule);
    EXPECT_EQ(uniteessai::champsJuges(d), 0);
}

TEST_F(Soumission, ReponsesCoupeesEtNettoyees) {
    lancerExercice(d, uniteessai::troisChamps);
    std::string longue;
    for (int i = 0; i < 300; ++i) {
        longue += "é";
    }
    controles.Edit1.texte = "   " + longue;
    controles.Edit2.texte = std::string("\xff\xfe 2 \xc3", 6);
    controles.Edit3.texte = " 3  ";
    validerReponse(d);
    EXPECT_EQ(d.reponseDonnee[1].texte(), longue.substr(0, 2 * 117))
        << "120 caractères, puis les espaces de tête retirés";
    EXPECT_EQ(d.reponseDonnee[2].texte(), std::string("\xff\xfe 2 \xc3", 6));
    EXPECT_EQ(d.reponseDonnee[3].texte(), "3");
    EXPECT_EQ(textesSolution(),
              std::vector<std::string>{"La réponse  $ga$N  n'a pas été comprise."});
}

TEST_F(Soumission, ReponseVidePermise) {
    lancerExercice(d, uniteessai::videPermis);
    repondre({"  "});
    EXPECT_TRUE(d.questionTerminee);
    EXPECT_EQ(d.points, 1);
    EXPECT_EQ(d.verdictsChamps[1], Tverdict::exact) << "vide attendu, vide donné : exacte";
    EXPECT_EQ(textesSolution(), std::vector<std::string>{"La réponse est 12."})
        << "ni refus ni message, la solution seule";

    lancerExercice(d, uniteessai::videPermis);
    repondre({"4"});
    EXPECT_FALSE(d.questionTerminee);
    EXPECT_EQ(d.codeVerdict, Tverdict::faux);
}

TEST_F(Soumission, DeuxChampsExactAuDeuxiemeEssaiCompte) {
    lancerExercice(d, uniteessai::deuxChamps);
    repondre({"1", "5"});
    reessayer(d);
    repondre({"2/2", "2"});
    EXPECT_EQ(d.essai, 2) << "le verdict 9 ne compte pas";
    reessayer(d);
    EXPECT_TRUE(controles.Edit1.focus) << "reprise sur le champ a";
    repondre({"1", "2"});
    EXPECT_EQ(d.points, 2);
}

struct CasMessages {
    const char* nom;
    int index;
    std::vector<const char*> reponses;
    std::vector<std::string> messages;
    int champRepris;
};

class MessagesEtReprise : public SoumissionEssai,
                          public testing::WithParamInterface<CasMessages> {};

TEST_P(MessagesEtReprise, ChampsFaux) {
    const CasMessages& cas = GetParam();
    lancerExercice(d, cas.index);
    for (std::size_t k = 0; k < cas.reponses.size(); ++k) {
        champReponse(d, static_cast<int>(k) + 1)->texte = cas.reponses[k];
    }
    validerReponse(d);
    EXPECT_EQ(textesSolution(), cas.messages);
    reessayer(d);
    EXPECT_TRUE(champReponse(d, cas.champRepris)->focus);
    EXPECT_EQ(controles.Edit1.texte, cas.reponses[0]) << "les textes restent";
}

INSTANTIATE_TEST_SUITE_P(
    Champs, MessagesEtReprise,
    testing::Values(
        CasMessages{"trois_b_faux",
                    uniteessai::troisChamps,
                    {"1", "0", "3"},
                    {"La réponse b est fausse."},
                    2},
        CasMessages{"trois_a_c_faux",
                    uniteessai::troisChamps,
                    {"0", "2", "0"},
                    {"La réponse a est fausse.", "La réponse c est fausse."},
                    1},
        CasMessages{"trois_c_neuf_seul",
                    uniteessai::troisChamps,
                    {"1", "2", "6/2"},
                    {"Réponse simplifiable", "La réponse  $gc$N  peut être simplifiée."},
                    3},
        CasMessages{"deux_b_faux_reprise_a",
                    uniteessai::deuxChamps,
                    {"1", "0"},
                    {"La réponse b est fausse."},
                    1},
        CasMessages{"deux_a_neuf_b_exact",
                    uniteessai::deuxChamps,
                    {"2/2", "2"},
                    {"Réponse simplifiable", "La réponse  $ga$N  peut être simplifiée."},
                    1},
        CasMessages{"deux_b_illisible",
                    uniteessai::deuxChamps,
                    {"1", "?"},
                    {"La réponse  $gb$N  n'a pas été comprise."},
                    2},
        CasMessages{"premier_faux_seulement",
                    uniteessai::premierFaux,
                    {"0", "0"},
                    {"La réponse a est fausse."},
                    1}),
    [](const auto& info) { return std::string(info.param.nom); });

TEST_F(Soumission, IllisibleArreteLeJugement) {
    lancerExercice(d, uniteessai::troisChamps);
    repondre({"?", "?", "?"});
    EXPECT_EQ(uniteessai::champsJuges(d), 1) << "les champs suivants ne sont pas jugés";
    EXPECT_EQ(textesSolution(),
              std::vector<std::string>{"La réponse  $ga$N  n'a pas été comprise."});
    EXPECT_EQ(plateforme.nombre(Appel::Bip), 1) << "un seul refus";
    EXPECT_EQ(d.essai, 1);
}

TEST_F(Soumission, BoutonSolutionApresLaTroisiemeReponseFausse) {
    lancerExercice(d, uniteessai::bareme3);
    BoutonSolutionClick(d);
    EXPECT_FALSE(d.questionTerminee) << "solution non permise : clic ignoré";
    for (int essai = 1; essai <= 3; ++essai) {
        repondre({"0"});
        EXPECT_EQ(controles.BoutonSolution.visible, essai >= 3) << essai;
        EXPECT_EQ(plateforme.journal.back().genre, Appel::RedessinerZone);
        EXPECT_TRUE(controles.BoutonReessayer.focus);
        if (essai < 3) {
            reessayer(d);
        }
    }
    EXPECT_EQ(plateforme.nombre(Appel::JouerSon), 3);
    EXPECT_EQ(plateforme.journal[0].genre, Appel::ArreterMinuterie);

    BoutonSolutionClick(d);
    EXPECT_TRUE(d.questionTerminee);
    EXPECT_EQ(d.points, 0);
    EXPECT_EQ(d.solutionsDemandees, 1);
    EXPECT_EQ(d.pointsPossibles, 3);
    EXPECT_FALSE(controles.BoutonSolution.visible);
    EXPECT_FALSE(controles.BoutonReessayer.visible);
    EXPECT_TRUE(controles.BoutonSommaire.visible);
    EXPECT_EQ(textesSolution(), std::vector<std::string>{"La réponse est 12."});
    EXPECT_EQ(d.exercicesTraites, 1);
}

TEST_F(Soumission, SerieAvecDelaiDUnBattement) {
    lancerExercice(d, uniteessai::serieUnChamp);
    EXPECT_EQ(controles.LabelTitreExercice.texte, std::string(18, ' ') + "Un champ (1/3)");
    EXPECT_EQ(controles.LabelChapitreExercice.texte, "1. Calcul littéral - Identités remarquables");
    EXPECT_EQ(controles.ZoneScoreExercice.texte, "                        Score\u00A0: ");
    EXPECT_TRUE(controles.Edit1.focus);
    EXPECT_EQ(d.PageControle->pageActive, Onglet::Exercices);

    repondre({"12"});
    EXPECT_TRUE(controles.BoutonSuite.visible);
    EXPECT_FALSE(controles.BoutonSommaire.visible);
    EXPECT_TRUE(controles.BoutonSuite.focus);
    EXPECT_TRUE(controles.Timer.actif);
    EXPECT_TRUE(d.exerciceEnCours);
    BoutonSuiteClick(d);
    EXPECT_EQ(d.numeroQuestion, 1) << "clic pendant le premier battement ignoré";
    TimerTimer(d);
    EXPECT_FALSE(controles.Timer.actif);
    EXPECT_EQ(d.delaiBoutons, 0);
    BoutonSuiteClick(d);
    EXPECT_EQ(d.numeroQuestion, 2);
    EXPECT_EQ(controles.LabelTitreExercice.texte, std::string(18, ' ') + "Un champ (2/3)");

    repondre({"13"});
    TimerTimer(d);
    EditKeyDown(d, 1, toucheEntree); // Entrée sur une question terminée : la suivante
    EXPECT_EQ(d.numeroQuestion, 3);
    repondre({"14"});
    EXPECT_TRUE(controles.BoutonSommaire.visible);
    EXPECT_FALSE(controles.BoutonSuite.visible);
    EXPECT_FALSE(d.exerciceEnCours);
    EXPECT_EQ(d.exercicesTraites, 1);
    EXPECT_EQ(d.scoreSerie, 3);
    EXPECT_EQ(d.scoreSerieMax, 3);
    EXPECT_EQ(controles.ZoneScoreExercice.texte, "                        Score\u00A0: 3 / 3");

    BoutonSommaireClick(d);
    EXPECT_EQ(d.PageControle->pageActive, Onglet::Exercices) << "encore dans le battement";
    TimerTimer(d);
    TimerTimer(d); // sans délai, un battement ne fait rien
    BoutonSommaireClick(d);
    EXPECT_EQ(d.PageControle->pageActive, Onglet::Sommaire);
    EXPECT_TRUE(controles.ArbreChoixExercice.focus);

    lancerExercice(d, uniteessai::bareme3);
    EXPECT_EQ(plateforme.nombre(Appel::Question), 0) << "série finie : rien à confirmer";
}

TEST_F(Soumission, AbandonDUneSerieDemandeConfirmation) {
    lancerExercice(d, uniteessai::serieUnChamp);
    plateforme.reponsesOuiNon = {false, true};
    lancerExercice(d, uniteessai::bareme3);
    ASSERT_EQ(plateforme.nombre(Appel::Question), 1);
    EXPECT_EQ(plateforme.journal.back().detail,
              "Confirmation|Voulez-vous vraiment abandonner\r\nl'exercice en cours\u00A0?");
    EXPECT_EQ(d.numeroExercice, uniteessai::serieUnChamp) << "Non : rien ne change";
    lancerExercice(d, uniteessai::bareme3);
    EXPECT_EQ(d.numeroExercice, uniteessai::bareme3);
    EXPECT_EQ(d.exercicesAbordes, 2);
    EXPECT_EQ(d.exercicesTraites, 0) << "la série abandonnée n'est pas traitée";
}

TEST_F(Soumission, LArbreMontreLExerciceEtReplieLesAutresChapitres) {
    controles.ArbreChoixExercice.deplier(63);
    controles.ArbreChoixExercice.deplier(123);
    lancerExercice(d, uniteessai::deuxChamps);
    EXPECT_EQ(controles.ArbreChoixExercice.selection, uniteessai::deuxChamps);
    EXPECT_TRUE(controles.ArbreChoixExercice.estDeplie(0));
    EXPECT_FALSE(controles.ArbreChoixExercice.estDeplie(63));
    EXPECT_FALSE(controles.ArbreChoixExercice.estDeplie(123));
    EXPECT_EQ(d.codeChapitre, 2);
}

TEST_F(Soumission, ExerciceSansEnonceNiCorrecteur) {
    lancerExercice(d, 130); // chapitre 3, aucune unité inscrite
    EXPECT_EQ(d.codeChapitre, 4);
    EXPECT_EQ(d.nombreChamps, 0);
    EXPECT_FALSE(controles.Edit1.visible);
    EXPECT_EQ(controles.LabelChapitreExercice.texte, "3. Calculs sur les racines carrées");
    lancerExercice(d, -1);
    lancerExercice(d, 605);
    EXPECT_EQ(d.numeroExercice, 130) << "indices hors de l'arbre ignorés";
}

TEST_F(Soumission, FlechesEntreLesChamps) {
    lancerExercice(d, uniteessai::deuxChamps);
    EditKeyDown(d, 1, toucheBas);
    EXPECT_TRUE(controles.Edit2.focus);
    EditKeyDown(d, 2, toucheBas);
    EXPECT_TRUE(controles.Edit2.focus) << "pas de troisième champ";
    EditKeyDown(d, 2, toucheHaut);
    EXPECT_TRUE(controles.Edit1.focus);
    EditKeyDown(d, 1, toucheHaut);
    EXPECT_TRUE(controles.Edit1.focus);
}

TEST_F(Soumission, CasesAChoixMultiple) {
    lancerExercice(d, uniteessai::casesMultiples);
    cliquerCase(2);
    cliquerCase(4);
    cliquerCase(4); // désélectionnée
    validerReponse(d);
    EXPECT_FALSE(d.questionTerminee) << "il manque la case 5";
    EXPECT_TRUE(d.casesChoisies.test(2));
    EXPECT_FALSE(d.casesChoisies.test(4));
    reessayer(d);
    cliquerCase(5);
    validerReponse(d);
    EXPECT_TRUE(d.questionTerminee);
    EXPECT_EQ(d.points, 0) << "barème 1, deuxième essai";
    cliquerCase(1);
    EXPECT_FALSE(d.cases[1].choisie) << "question terminée : plus de choix";
}

TEST_F(Soumission, ChoixUniqueSoumisAuClic) {
    lancerExercice(d, uniteessai::choixUnique);
    EXPECT_FALSE(controles.BoutonCorrection.visible);
    d.cases[1].choisie = true;
    cliquerCase(1);
    EXPECT_FALSE(d.cases[1].choisie);
    EXPECT_FALSE(d.questionTerminee) << "un clic qui désélectionne ne soumet pas";
    cliquerCase(2);
    EXPECT_TRUE(d.questionTerminee) << "un clic qui sélectionne soumet";
    EXPECT_EQ(d.codeVerdict, Tverdict::faux);
    EXPECT_EQ(d.points, 0);

    lancerExercice(d, uniteessai::choixUnique);
    cliquerCase(1);
    cliquerCase(3); // sans effet : la question est déjà jugée
    EXPECT_FALSE(d.cases[3].choisie);

    lancerExercice(d, uniteessai::choixUnique);
    cliquerCase(3);
    EXPECT_EQ(d.codeVerdict, Tverdict::exact);
    EXPECT_EQ(d.points, 2);
}

Tdiagramme& diagrammeDe(const TdonneesCommunes& d) {
    return dynamic_cast<Tdiagramme&>(*d.zoneFigure->objet(d.zoneFigure->indexDiagramme));
}

TEST_F(Soumission, DiagrammeEnBarresATracer) {
    lancerExercice(d, uniteessai::barres);
    Tdiagramme& barres = diagrammeDe(d);
    validerReponse(d);
    EXPECT_FALSE(d.questionTerminee);
    EXPECT_EQ(textesSolution(),
              std::vector<std::string>{"La barre pour la catégorie \" A \" est trop petite."});
    EXPECT_TRUE(d.texte2.empty()) << "le message n'occupe pas un texte de la solution";
    EXPECT_EQ(lignesSolution(), std::vector<double>{3.5});
    EXPECT_EQ(plateforme.nombre(Appel::JouerSon), 1);
    reessayer(d);
    barres.valeurs = {3, 5, 9};
    validerReponse(d);
    EXPECT_EQ(textesSolution(),
              std::vector<std::string>{"La barre pour la catégorie \" C \" est trop grande."});
    reessayer(d);
    barres.valeurs[2] = 7;
    validerReponse(d);
    EXPECT_TRUE(d.questionTerminee);
    EXPECT_EQ(d.points, 0) << "barème 2, troisième essai";
    EXPECT_TRUE(barres.fige) << "le diagramme juste est figé";
}

TEST_F(Soumission, DiagrammeCirculaireATracer) {
    lancerExercice(d, uniteessai::secteurs);
    Tdiagramme& secteurs = diagrammeDe(d);
    ASSERT_EQ(secteurs.valeurs[1], 240);
    validerReponse(d);
    EXPECT_EQ(textesSolution(), std::vector<std::string>{
                                    "Le secteur pour la catégorie \" filles \" est trop grand."});
    reessayer(d);
    secteurs.valeurs = {90, 270};
    validerReponse(d);
    EXPECT_TRUE(d.questionTerminee);
    EXPECT_EQ(d.points, 0) << "barème 1 au deuxième essai";
    EXPECT_TRUE(d.texte2.empty());
}

TEST_F(Soumission, DiagrammeFigeJugeCommeUnChamp) {
    lancerExercice(d, uniteessai::barres);
    diagrammeDe(d).fige = true;
    validerReponse(d);
    EXPECT_EQ(uniteessai::champsJuges(d), 1) << "le jugement à un champ prend la main";
}

TEST_F(Soumission, LesCasesJustesNePassentPasDUneQuestionALAutre) {
    lancerExercice(d, uniteessai::casesMultiples);
    ASSERT_TRUE(d.casesJustes.test(2));
    plateforme.reponsesOuiNon = {true};
    lancerExercice(d, uniteessai::bareme3);
    ASSERT_EQ(d.numeroExercice, uniteessai::bareme3);
    EXPECT_TRUE(d.casesJustes.none());
}

// Rien de ce qu'une question possède ne passe à la suivante : attendus, valeurs, verdicts,
// textes préparés.
TEST_F(Soumission, PoserQuestionRemetTouteLaQuestion) {
    lancerExercice(d, uniteessai::serieUnChamp);
    repondre({"?"});
    d.reponseAttendue[2] = "x+1";
    d.valeurAttendue[3] = 5;
    d.valeurDonnee[1] = 4;
    d.texte2 = "message";
    d.texte3 = "brouillon";
    poserQuestion(d, true);
    EXPECT_TRUE(d.reponseAttendue[2].empty());
    EXPECT_EQ(d.valeurAttendue[3], 0);
    EXPECT_EQ(d.valeurDonnee[1], 0);
    EXPECT_EQ(d.codeVerdict, Tverdict::aucun);
    EXPECT_EQ(d.verdictsChamps[1], Tverdict::aucun);
    EXPECT_TRUE(d.texte2.empty());
    EXPECT_TRUE(d.texte3.empty());
    EXPECT_EQ(d.texte1, "La réponse est 12.") << "l'énoncé prépare à nouveau sa solution";
    EXPECT_EQ(d.valeurAttendue[1], 13);
}

} // namespace
