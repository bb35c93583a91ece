#include "core/controles/champsaisie.h"
#include "core/controles/lecteurson.h"
#include "core/exercice/bilan.h"
#include "core/exercice/cases.h"
#include "core/exercice/champsreponse.h"
#include "core/exercice/enonce.h"
#include "core/exercice/placement.h"
#include "core/exercice/soumission.h"
#include "core/exercice/verdicts.h"
#include "display/zones/boitepeinture.h"
#include "display/zones/objetcadre.h"
#include "display/zones/objettexte.h"
#include "display/zones/zoneaffichage.h"
#include "tests/core/soumissionessai.h"

#include <string>
#include <vector>

namespace {

using Appel = TplateformeScriptee::Appel;
using Enonce = SoumissionEssai;

TEST_F(Enonce, MessagesAvecFraction) {
    d.ligneMessage = 2.5;
    ajouterMessage(d, "$5un demi$1");
    ajouterMessage(d, "$5un tiers$1");
    ajouterMessage(d, "suite");
    const std::vector<double> attendues{2.5, 3.7, 4.7};
    const std::vector<double> lignes = lignesSolution();
    ASSERT_EQ(lignes.size(), attendues.size());
    for (std::size_t i = 0; i < lignes.size(); ++i) {
        EXPECT_NEAR(lignes[i], attendues[i], 1e-9) << i;
    }
    EXPECT_NEAR(d.ligneMessage, 5.7, 1e-9);
}

TEST_F(Enonce, LignesDeLEnonceEtDeLaSolution) {
    viderZone(*d.zoneEnonce);
    ajouterLigneEnonce(d, "énoncé", 3);
    const auto* ligne = dynamic_cast<const Ttexte*>(d.zoneEnonce->objets.at(0).get());
    ASSERT_NE(ligne, nullptr);
    EXPECT_DOUBLE_EQ(ligne->x, 16);
    EXPECT_DOUBLE_EQ(ligne->y, 2.5 * 18);
    ajouterLigneSolution(d, "a", 3);
    ajouterTexteSolution(d, "b", 20, 4);
    ajouterLigneSolutionDroite(d, "c", 5);
    std::vector<std::pair<double, double>> positions;
    for (const auto& objet : d.zoneSolution->objets) {
        const auto* t = dynamic_cast<const Ttexte*>(objet.get());
        positions.emplace_back(t->x / 8, t->y / 18);
    }
    EXPECT_EQ(positions, (std::vector<std::pair<double, double>>{{14, 3}, {20, 4}, {58, 5}}));

    ajouterRemarqueHasard(d, 10);
    ajouterRemarqueHasardCourte(d, 12);
    ASSERT_EQ(d.zoneEnonce->nombreObjets(), 4);
    EXPECT_EQ(dynamic_cast<const Ttexte*>(d.zoneEnonce->objet(3))->texte,
              "elles changent à chaque fois qu'on fait l'exercice.");
    encadrerConsigne(d, 3, 50);
    const auto* cadre = dynamic_cast<const Tcadre*>(d.zoneEnonce->objet(5));
    ASSERT_NE(cadre, nullptr);
    EXPECT_EQ(cadre->styleCadre, 6);
}

TEST_F(Enonce, SolutionsPreparees) {
    d.texte1 = "";
    d.texte2 = "deuxième";
    ecrireSolutionsPreparees(d);
    EXPECT_EQ(textesSolution(), std::vector<std::string>{"deuxième"});
    EXPECT_EQ(lignesSolution(), std::vector<double>{5});
}

TEST_F(Enonce, ChampsDeReponse) {
    preparerChampsReponse(d, 0);
    for (int k = 1; k <= 3; ++k) {
        EXPECT_FALSE(champReponse(d, k)->visible);
    }
    EXPECT_EQ(d.hautChamp[1], 207);
    EXPECT_EQ(d.hautChamp[2], 235);
    EXPECT_EQ(d.hautChamp[3], 263);

    controles.Edit2.texte = "ancien";
    controles.Edit2.lectureSeule = true;
    preparerChampsReponse(d, 2, 200);
    EXPECT_EQ(d.nombreChamps, 2);
    EXPECT_TRUE(controles.Edit1.visible);
    EXPECT_TRUE(controles.Edit2.visible);
    EXPECT_FALSE(controles.Edit3.visible);
    EXPECT_EQ(controles.Edit1.haut, 235);
    EXPECT_EQ(controles.Edit2.haut, 263);
    EXPECT_EQ(controles.Edit2.gauche, 221);
    EXPECT_EQ(controles.Edit2.largeur, 200);
    EXPECT_EQ(controles.Edit2.longueurMax, 78);
    EXPECT_TRUE(controles.Edit2.texte.empty());
    EXPECT_FALSE(controles.Edit2.lectureSeule);

    preparerChampsReponse(d, 1);
    EXPECT_EQ(d.hautChamp[1], 251);
    preparerChampsReponse(d, 7);
    EXPECT_EQ(d.nombreChamps, 3) << "ramené à 3";
}

TEST_F(Enonce, EtiquettesALaHauteurDesChamps) {
    viderZone(*d.zoneEnonce);
    d.zoneEnonce->marge = 10;
    preparerChampsReponse(d, 2);
    etiquetterReponsesAB(d);
    placerBoutonAideSaisie(d);
    ASSERT_EQ(d.zoneEnonce->nombreObjets(), 3);
    const auto* b = dynamic_cast<const Ttexte*>(d.zoneEnonce->objet(2));
    EXPECT_EQ(b->texte, "Réponse b :");
    EXPECT_DOUBLE_EQ(b->x, 300 - 80);
    EXPECT_DOUBLE_EQ(b->y, 263 - 27);
    const auto* aide = dynamic_cast<const Tcadre*>(d.zoneEnonce->objet(3));
    ASSERT_NE(aide, nullptr);
    EXPECT_EQ(aide->cible, 1997);
    EXPECT_DOUBLE_EQ(aide->y, 235 - 13);
}

TEST_F(Enonce, GrilleDeCases) {
    viderZone(*d.zoneEnonce);
    d.espacementCases = 5;
    disposerCases(d, 2, 3, 600, 30);
    const double largeur = (600.0 - 20) / 3;
    for (int n = 1; n <= 6; ++n) {
        EXPECT_TRUE(d.cases[n].active);
        EXPECT_DOUBLE_EQ(d.cases[n].xDroite - d.cases[n].xGauche, largeur);
        EXPECT_DOUBLE_EQ(d.cases[n].yBas, n <= 3 ? 220 : 255) << n;
        EXPECT_DOUBLE_EQ(d.cases[n].yHaut, d.cases[n].yBas - 30);
    }
    EXPECT_DOUBLE_EQ(d.cases[1].xGauche, 30);
    EXPECT_DOUBLE_EQ(d.cases[2].xGauche, 30 + 5 + largeur);
    EXPECT_FALSE(d.cases[7].active);

    // Les bords ne sont pas dans la case ; la plus petite case contenant le point gagne.
    d.sourisX = 30;
    d.sourisY = 240;
    EXPECT_EQ(caseSousSouris(d), 0);
    d.sourisX = 31;
    EXPECT_EQ(caseSousSouris(d), 4);
    d.sourisY = 255;
    EXPECT_EQ(caseSousSouris(d), 0);
}

TEST_F(Enonce, PasPlusDeTrenteCases) {
    disposerCases(d, 6, 6, 600, 10);
    int actives = 0;
    for (const TcaseChoix& c : d.cases) {
        actives += c.active ? 1 : 0;
    }
    EXPECT_EQ(actives, 30);
    etiquetterCase(d, 31, 1, "hors", 1);
    etiquetterCase(d, 1, 0, "hors", 1);
    ajouterCaseJuste(d, 40, "hors", 1);
    EXPECT_EQ(d.cases[1].etiquette, 0);
    EXPECT_TRUE(d.casesJustes.none());
    disposerCases(d, 0, 3, 600, 10);
    EXPECT_FALSE(d.cases[1].active);
    ajouterCase(d, 2, std::string(200, 'x'), 3);
    EXPECT_EQ(d.etiquettes[2].texte.texte().size(), 120u);
}

TEST_F(Enonce, SonEtBips) {
    plateforme.sonsPresents = false;
    plateforme.fichiersPresents = {"/prog/erreur.wav"};
    jouerSon(d, "absent");
    EXPECT_TRUE(controles.MediaPlayerErreur.fichier.empty());
    EXPECT_EQ(plateforme.nombre(Appel::JouerSon), 0);
    verdictFaux(d);
    EXPECT_EQ(controles.MediaPlayerErreur.fichier, "/prog/erreur.wav");
    ASSERT_EQ(plateforme.nombre(Appel::JouerSon), 1);
    verdictExact(d);
    verdictIncorrect(d);
    EXPECT_EQ(plateforme.journal[plateforme.journal.size() - 2].detail, "main");
    EXPECT_EQ(plateforme.journal.back().detail, "question");
    EXPECT_EQ(d.zoneSolution->nombreObjets(), 3) << "une image par verdict";
    jouerSon(d, std::string(300, 'n'));
    EXPECT_EQ(plateforme.journal.back().detail, "/prog/" + std::string(120, 'n') + ".wav");
}

TEST_F(Enonce, ValeursAttenduesDUnDiagramme) {
    lireValeursAttendues(d, "12\\7,6\\ 3 \\x\\-2,5");
    const auto& e = d.zoneFigure->entiers;
    EXPECT_EQ(e[1], 12);
    EXPECT_EQ(e[2], 8);
    EXPECT_EQ(e[3], 3);
    EXPECT_EQ(e[4], 0);
    EXPECT_EQ(e[5], -3);
    std::string longue;
    for (int i = 0; i < 40; ++i) {
        longue += "1\\";
    }
    lireValeursAttendues(d, longue);
    EXPECT_EQ(e[12], 1) << "table remplie sans déborder";
}

TEST_F(Enonce, ChampVidePermisJugeSansCorrecteur) {
    d.reponseVidePermise[2] = true;
    const struct {
        const char* attendu;
        const char* donne;
        Tverdict verdict;
    } cas[] = {{"", "", Tverdict::exact}, {"", "4", Tverdict::faux}, {"4", "", Tverdict::faux}};
    for (const auto& c : cas) {
        d.reponseAttendue[2] = c.attendu;
        d.reponseDonnee[2] = c.donne;
        EXPECT_EQ(jugerChamp(d, 2), c.verdict) << c.attendu << "|" << c.donne;
    }
    EXPECT_EQ(jugerChamp(d, 0), Tverdict::illisible);
    EXPECT_EQ(jugerChamp(d, 4), Tverdict::illisible);
}

TEST_F(Enonce, PlacementDesFigures) {
    plateforme.rectangles[&controles.ZoneTexteSolution] = {0, 0, 528, 155};
    plateforme.rectangles[&controles.zoneTexteEnonce] = {0, 28, 780, 271};
    ecrire(*d.zoneFigureSolution, "ancien", 1, 1);
    placerFigureSolution(d, 200);
    EXPECT_EQ(plateforme.rectangles[&controles.ZoneFigureSolution], (Trectangle{323, 5, 200, 145}));
    EXPECT_TRUE(controles.ZoneFigureSolution.visible);
    EXPECT_EQ(controles.ZoneFigureSolution.largeur, 200);
    EXPECT_EQ(d.zoneFigureSolution->largeur, 200) << "la zone prend la taille de sa boîte";
    EXPECT_EQ(d.zoneFigureSolution->nombreObjets(), 0) << "et elle est vidée";

    placerFigureEnonceCarree(d);
    EXPECT_EQ(plateforme.rectangles[&controles.zoneFigureEnonce], (Trectangle{514, 33, 261, 261}));
    placerFigureEnonce(d, 300, 200);
    EXPECT_EQ(plateforme.rectangles[&controles.zoneFigureEnonce], (Trectangle{475, 94, 300, 200}));
    EXPECT_EQ(plateforme.nombre(Appel::PlacerBoite), 3);
}

TEST(Bilan, PourcentageArrondiAuPair) {
    const struct {
        int obtenus;
        int possibles;
        int pourcentage;
    } cas[] = {{2, 3, 67}, {1, 8, 12},  {3, 8, 38}, {1, 200, 0}, {3, 200, 2},
               {0, 5, 0},  {5, 5, 100}, {1, 0, 0},  {-1, 3, 0}};
    for (const auto& c : cas) {
        EXPECT_EQ(pourcentageReussite(c.obtenus, c.possibles), c.pourcentage)
            << c.obtenus << "/" << c.possibles;
    }
}

TEST(Bilan, Lignes) {
    TdonneesCommunes d;
    EXPECT_EQ(lignesBilan(d).size(), 5u) << "pas de pourcentage sans points possibles";
    d.exercicesAbordes = 3;
    d.exercicesTraites = 2;
    d.solutionsDemandees = 1;
    d.pointsObtenus = 2;
    d.pointsPossibles = 3;
    const auto lignes = lignesBilan(d);
    ASSERT_EQ(lignes.size(), 6u);
    EXPECT_EQ(lignes[0].texte, "$g$H$bBilan");
    EXPECT_EQ(lignes[1].texte, "$nNombre d'exercices abordés\u00A0: 3");
    EXPECT_EQ(lignes[2].texte, "$nNombre d'exercices traités\u00A0: 2");
    EXPECT_EQ(lignes[3].texte, "$nNombre de solutions demandées\u00A0: 1");
    EXPECT_EQ(lignes[4].texte, "$nNombre de points obtenus\u00A0: 2 / 3");
    EXPECT_EQ(lignes[5].texte, "$nPourcentage de réussite\u00A0: 67 %");
    EXPECT_DOUBLE_EQ(lignes[5].ligne, 8);
    EXPECT_DOUBLE_EQ(lignes[5].colonne, 4);
}

} // namespace
