#include "analysis/texte/texteutf8.h"
#include "core/controles/bouton.h"
#include "core/controles/champsaisie.h"
#include "core/controles/controlesfenetre.h"
#include "core/donneescommunes.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

namespace {

std::string repeter(const std::string& motif, int fois) {
    std::string texte;
    for (int i = 0; i < fois; ++i) {
        texte += motif;
    }
    return texte;
}

TEST(ChaineBornee, CoupeAuNombreDePointsDeCode) {
    const struct {
        std::string entree;
        std::size_t points;
    } cas[] = {
        {"", 0},
        {repeter("a", 120), 120},
        {repeter("a", 121), 120},
        {repeter("é", 200), 120},        // deux octets par caractère
        {repeter("€", 130), 120},        // trois octets
        {repeter("a", 119) + "😀x", 120}, // quatre octets en dernière position
    };
    for (const auto& c : cas) {
        TchaineBornee<120> chaine = c.entree;
        EXPECT_EQ(texteutf8::longueur(chaine.texte()), c.points);
        EXPECT_EQ(c.entree.substr(0, chaine.texte().size()), chaine.texte());
    }
    TchaineBornee<255> dossier;
    dossier = repeter("ü", 300);
    EXPECT_EQ(texteutf8::longueur(dossier.texte()), 255u);
    EXPECT_EQ(dossier.texte().size(), 510u);
}

TEST(ChaineBornee, OctetsInvalidesGardesSansDeborder) {
    TchaineBornee<3> chaine = std::string("\xff\xfe\xc3", 3) + "abc";
    EXPECT_EQ(texteutf8::longueur(chaine.texte()), 3u);
}

TEST(TableauUn, NumerosVerifies) {
    TtableauUn<int, 3> t(7);
    EXPECT_EQ(t[1], 7);
    t[3] = 9;
    EXPECT_EQ(t[3], 9);
    EXPECT_THROW(t[0], std::out_of_range);
    EXPECT_THROW(t[4], std::out_of_range);
    TdonneesCommunes d;
    EXPECT_THROW(d.cases[31], std::out_of_range) << "au plus 30 cases";
    EXPECT_THROW(d.historique[101], std::out_of_range);
    EXPECT_TRUE(decltype(d.cases)::contient(30));
    EXPECT_FALSE(decltype(d.cases)::contient(31));
}

TEST(DonneesCommunes, ValeursDeDepart) {
    TdonneesCommunes d;
    d.bareme = 5;
    d.typeReponse[2] = TgenreReponse::developpee;
    d.precision[1] = 0.5;
    d.modeReponse = modeReponseCases;
    d.correctionVisible = false;
    d.espacementCases = 0;
    d.cases[4].active = true;
    d.casesJustes.set(4);
    d.nombreHistorique = 3;
    d.reponseAttendue[1] = "x+1";
    d.texte1 = "solution préparée";
    d.titreExercice = "Titre";
    initialiserDonneesCommunes(d);
    EXPECT_EQ(d.bareme, 1);
    for (int k = 1; k <= 3; ++k) {
        EXPECT_EQ(d.typeReponse[k], TgenreReponse::nombre);
        EXPECT_EQ(d.precision[k], 1e-9);
        EXPECT_TRUE(d.reponseAttendue[k].empty());
    }
    EXPECT_EQ(d.modeReponse, modeReponseSaisie);
    EXPECT_TRUE(d.correctionVisible);
    EXPECT_EQ(d.espacementCases, 5);
    EXPECT_EQ(d.ligneMessage, 2.5);
    EXPECT_EQ(d.essai, 1);
    EXPECT_FALSE(d.cases[4].active);
    EXPECT_TRUE(d.casesJustes.none());
    EXPECT_EQ(d.nombreHistorique, 0);
    EXPECT_EQ(d.texte1, "solution préparée") << "les textes libres ne sont pas remis à zéro";
    EXPECT_EQ(d.titreExercice, "Titre");
}

TEST(DonneesCommunes, InitialiserGardeLesControlesLies) {
    TdonneesCommunes d;
    TcontrolesFenetre controles;
    controles.lier(d);
    initialiserDonneesCommunes(d);
    EXPECT_EQ(d.Edit2, &controles.Edit2);
    EXPECT_EQ(d.ImageCalculatrice, &controles.ImageCalculatrice);
    EXPECT_EQ(d.ArbreChoixExercice, &controles.ArbreChoixExercice);
    EXPECT_EQ(d.Timer, &controles.Timer);
    EXPECT_EQ(champReponse(d, 3), &controles.Edit3);
    EXPECT_EQ(champReponse(d, 0), nullptr);
    EXPECT_EQ(champReponse(d, 4), nullptr);
}

TEST(DonneesCommunes, UnSeulControleALeFocus) {
    TdonneesCommunes d;
    TcontrolesFenetre controles;
    controles.lier(d);
    donnerFocus(d, d.Edit1);
    donnerFocus(d, d.BoutonReessayer);
    EXPECT_FALSE(controles.Edit1.focus);
    EXPECT_TRUE(controles.BoutonReessayer.focus);
    donnerFocus(d, nullptr);
    EXPECT_FALSE(controles.BoutonReessayer.focus);
}

TEST(Historique, BorneACentPagesEnOubliantLesPlusAnciennes) {
    TdonneesCommunes d;
    for (int page = 1; page <= 130; ++page) {
        empilerHistorique(d, 1000 + page);
    }
    EXPECT_EQ(d.nombreHistorique, 100);
    for (int page = 130; page > 30; --page) {
        EXPECT_EQ(depilerHistorique(d), 1000 + page);
    }
    EXPECT_EQ(d.nombreHistorique, 0);
    EXPECT_EQ(depilerHistorique(d), 0);
    EXPECT_EQ(d.nombreHistorique, 0);
}

TEST(Historique, CompteurHorsBornesRamene) {
    TdonneesCommunes d;
    d.nombreHistorique = 500;
    EXPECT_EQ(depilerHistorique(d), 0) << "la dernière case, jamais écrite";
    EXPECT_EQ(d.nombreHistorique, 99);
    d.nombreHistorique = -3;
    empilerHistorique(d, 1011);
    EXPECT_EQ(d.nombreHistorique, 1);
    EXPECT_EQ(d.historique[1], 1011);
}

TEST(ControlesFenetre, EtatDeDepart) {
    TcontrolesFenetre c;
    EXPECT_EQ(c.Timer.intervalle, 1000);
    EXPECT_EQ(c.TimerAnimationAccueil.intervalle, 100);
    EXPECT_FALSE(c.Timer.actif);
    EXPECT_EQ(c.BoutonSolution.indication, "Pour faire afficher la solution");
    EXPECT_FALSE(c.BoutonSuite.visible);
    EXPECT_FALSE(c.BoutonCorrection.visible);
    EXPECT_EQ(c.Edit1.gauche, 300);
    EXPECT_EQ(c.ArbreChoixExercice.contenu->nombreNoeuds(), 605);
    EXPECT_EQ(c.ArbreChoixCours.contenu->nombreNoeuds(), 156);
    EXPECT_EQ(c.ArbreChoixImagiciel.contenu->nombreNoeuds(), 25);
    EXPECT_EQ(c.ArbreChoixExercice.selection, -1);
}

} // namespace
