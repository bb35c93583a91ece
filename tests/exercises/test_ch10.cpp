// Les exercices du chapitre 10 joués sans fenêtre : les correcteurs des placements à la
// souris (412, 417, 418, 419) sur des figures mises dans des états choisis, la solution
// offerte au troisième essai compté, quelques énoncés et solutions, et le tirage de 423.
// Les réponses modèles de toutes les questions sont vérifiées par
// « calvane-banc parcours --chapitre 10 ».

#include "analysis/jugement/verdict.h"
#include "analysis/nombres/arithmetique.h"
#include "analysis/nombres/hasard.h"
#include "core/controles/bouton.h"
#include "core/controles/controlesfenetre.h"
#include "core/donneescommunes.h"
#include "core/exercice/exercice.h"
#include "core/exercice/repartition.h"
#include "core/exercice/soumission.h"
#include "core/plateforme/plateformescriptee.h"
#include "display/figures/figures.h"
#include "display/zones/objettexte.h"
#include "display/zones/zoneaffichage.h"
#include "exercises/inscriptionchapitres.h"
#include "tests/exercises/exercicesessai.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

namespace {

// Un point de la figure de l'énoncé et la position où le mettre.
struct Place {
    const char* nom;
    double x;
    double y;
};

class ExercicesCh10 : public ExercicesEssai {
protected:
    // Place les points nommés de la figure de l'énoncé, puis soumet.
    void placerEtSoumettre(const std::vector<Place>& points) {
        for (const Place& p : points) {
            placerPoint(*d.zoneFigure, p.nom, p.x, p.y);
        }
        validerReponse(d);
    }

    std::vector<std::string> textes(const TzoneAffichage& zone) const {
        std::vector<std::string> t;
        for (const auto& objet : zone.objets) {
            if (const auto* texte = dynamic_cast<const Ttexte*>(objet.get())) {
                t.push_back(texte->texte);
            }
        }
        return t;
    }
};

// ---- Placements jugés par leur propre correcteur ----

struct CasPlacement {
    const char* nom;
    int index;
    int question;
    std::vector<Place> points;
    Tverdict verdict;
    // Textes attendus dans la zone de la solution après le jugement (dans l'ordre).
    std::vector<std::string> messages;
};

class Placements : public ExercicesCh10, public testing::WithParamInterface<CasPlacement> {};

TEST_P(Placements, VerdictEtMessages) {
    const CasPlacement& c = GetParam();
    lancer(c.index, c.question);
    placerEtSoumettre(c.points);
    EXPECT_EQ(d.codeVerdict, c.verdict);
    EXPECT_EQ(d.questionTerminee, c.verdict == Tverdict::exact);
    if (c.verdict == Tverdict::exact) {
        EXPECT_EQ(d.points, 2);
        EXPECT_TRUE(d.BoutonSuite->visible || d.BoutonSommaire->visible);
        return;
    }
    // Un placement illisible ne compte pas l'essai ; un placement faux le compte.
    EXPECT_EQ(d.essai, c.verdict == Tverdict::faux ? 2 : 1);
    EXPECT_TRUE(d.BoutonReessayer->visible);
    const std::vector<std::string> t = textes(*d.zoneSolution);
    for (const std::string& m : c.messages) {
        EXPECT_NE(std::find(t.begin(), t.end(), m), t.end()) << "message absent : " << m;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Chapitre10, Placements,
    testing::Values(
        CasPlacement{"m412Juste", 412, 1, {{"M", -6, 0}}, Tverdict::exact, {}},
        CasPlacement{
            "m412TropPres",
            412,
            1,
            {{"M", -5, 0}},
            Tverdict::faux,
            {"MN doit être égal aux $F3;4; de BC.", "Or AM est inférieur aux $F3;4; de AB..."}},
        CasPlacement{"m412TropLoinQuestion4",
                     412,
                     4,
                     {{"M", -3, 0}},
                     Tverdict::faux,
                     {"On doit avoir NC = 8*NA  soit AC = 7*NA  donc AN = $F1;7; AC",
                      "Or AM est supérieur aux $F1;7; de AB..."}},
        CasPlacement{"m412JusteQuestion3", 412, 3, {{"M", -3.5, 0}}, Tverdict::exact, {}},
        CasPlacement{"q417Juste", 417, 1, {{"P", -2, -3}, {"Q", 4, -4}}, Tverdict::exact, {}},
        CasPlacement{
            "q417HorsDemiDroiteJuste", 417, 4, {{"P", -2, -2}, {"Q", 4, 5}}, Tverdict::exact, {}},
        CasPlacement{"q417PConfonduAvecQ",
                     417,
                     1,
                     {{"P", 1, 1}, {"Q", 1, 1}},
                     Tverdict::illisible,
                     {"La droite bleue n'est pas définie."}},
        CasPlacement{"q417Parallele",
                     417,
                     1,
                     {{"P", -2, -4}, {"Q", 4, -2}},
                     Tverdict::illisible,
                     {"La droite (PQ) est parallèle à la droite (AB). M n'est pas défini."}},
        CasPlacement{"q417SurLaDemiDroiteInterdite",
                     417,
                     3,
                     {{"P", -2, -3}, {"Q", 4, -4}},
                     Tverdict::illisible,
                     {"Le point M appartient à la demi$-droite [AB)."}},
        CasPlacement{"q417HorsDeLaDemiDroite",
                     417,
                     1,
                     {{"P", -2, -4}, {"Q", 4, 0}},
                     Tverdict::illisible,
                     {"Le point M n'appartient pas à la demi$-droite [AB)."}},
        CasPlacement{"q417MauvaisRapport",
                     417,
                     1,
                     {{"P", -2, -2}, {"Q", 4, -4}},
                     Tverdict::faux,
                     {"On obtient  $FAM;AB; = $F3;4;  au lieu de  $F2;3;."}},
        CasPlacement{"q418Juste", 418, 2, {{"P", -2, 3}, {"Q", 1, -1}}, Tverdict::exact, {}},
        CasPlacement{"q418DehorsJuste", 418, 4, {{"P", -2, 5}, {"Q", 1, 3}}, Tverdict::exact, {}},
        CasPlacement{"q418HorsDuSegment",
                     418,
                     1,
                     {{"P", -2, 2}, {"Q", 1, 3}},
                     Tverdict::illisible,
                     {"Le point M n'appartient pas au segment [AB]."}},
        CasPlacement{"q418DansLeSegmentInterdit",
                     418,
                     3,
                     {{"P", -2, 1}, {"Q", 1, -2}},
                     Tverdict::illisible,
                     {"Le point M appartient au segment [AB]."}},
        CasPlacement{"q418MauvaisRapport",
                     418,
                     2,
                     {{"P", -2, 2}, {"Q", 1, -1}},
                     Tverdict::faux,
                     {"On obtient  $FMA;MB; = 2  au lieu de  3."}},
        CasPlacement{
            "q419Juste", 419, 1, {{"A", -5, 4}, {"B", -3, -3}, {"C", 3, 0}}, Tverdict::exact, {}},
        CasPlacement{"q419Alignes",
                     419,
                     2,
                     {{"A", -3, -3}, {"B", 0, 0}, {"C", 2, 2}},
                     Tverdict::illisible,
                     {"Les points A, B et C sont alignés : le triangle ABC n'existe pas."}},
        CasPlacement{"q419PasMultiple",
                     419,
                     2,
                     {{"A", -3, -3}, {"B", -3, 3}, {"C", 2, 1}},
                     Tverdict::faux,
                     {"De A à C, on avance de 5 carreau(x) en largeur et de 4 en hauteur :",
                      "ces deux nombres ne sont pas tous deux des multiples de 5."}}),
    [](const testing::TestParamInfo<CasPlacement>& info) { return std::string(info.param.nom); });

// Au troisième essai faux compté, la solution est offerte ; la demander termine la question
// sans point et met la figure dans l'état juste.
TEST_F(ExercicesCh10, SolutionOfferteAuTroisiemeEssaiFaux) {
    lancer(412, 2);
    for (int essai = 1; essai <= 3; ++essai) {
        placerEtSoumettre({{"M", -2, 0}});
        EXPECT_EQ(d.BoutonSolution->visible, essai == 3) << "essai " << essai;
        BoutonReessayerClick(d);
    }
    placerEtSoumettre({{"M", -2, 0}});
    BoutonSolutionClick(d);
    EXPECT_TRUE(d.questionTerminee);
    EXPECT_EQ(d.points, 0);
    EXPECT_DOUBLE_EQ(abscisseObjet(*d.zoneFigure, "M"), -5);
    const std::vector<std::string> t = textes(*d.zoneSolution);
    EXPECT_NE(std::find(t.begin(), t.end(), "AM = $F5;8;*AB  donc MN = $F5;8;*BC = $F5;8;*56 = 35"),
              t.end());
}

TEST_F(ExercicesCh10, Calcul408Question1FigureEtSolution) {
    lancer(408);
    EXPECT_EQ(d.pageCoursLiee, 1092);
    EXPECT_EQ(d.bareme, 4);
    // Triangles opposés par le sommet, tracés avec les lettres « SHRUT » : S en (0 ; 0),
    // H = S + k(U − S) et R = S + k(T − S) avec k = −1/3 ; [HR] et [UT] sont les parallèles.
    const TzoneAffichage& z = *d.zoneFigure;
    EXPECT_NEAR(abscisseObjet(z, "R"), -abscisseObjet(z, "T") / 3, 1e-12);
    EXPECT_NEAR(ordonneeObjet(z, "H"), -ordonneeObjet(z, "U") / 3, 1e-12);
    EXPECT_NEAR(abscisseObjet(z, "S"), 0, 1e-12);
    EXPECT_NE(indiceObjet(z, "[HR]"), 0);
    EXPECT_NE(indiceObjet(z, "[UT]"), 0);
    repondre({"12", "15"});
    EXPECT_EQ(d.codeVerdict, Tverdict::exact);
    EXPECT_EQ(d.points, 4);
    const std::vector<std::string> t = textes(*d.zoneSolution);
    const std::vector<std::string> attendus{
        "Les points R, S, T sont alignés ainsi que les points H, S, U. Les droites (RH) et (TU) "
        "sont parallèles.",
        "Donc d'après le théorème de Thalès : $FSR;ST; = $FSH;SU; = $FRH;TU;  c'est$-à$-dire  "
        "$F 4;ST; = $F 5;SU; = $F 7;21; = $F1;3;",
        "a. $F 4;ST; = $F1;3;   donc  ST = 12", "b. $F 5;SU; = $F1;3;   donc  SU = 15"};
    for (const std::string& a : attendus) {
        EXPECT_NE(std::find(t.begin(), t.end(), a), t.end()) << "ligne absente : " << a;
    }
}

// Triangles emboîtés (k = 0,6) : A, M, B et A, N, C alignés, et les deux triangles tracés
// en entier ([AM] et [AN] en plus de [MB] et [NC]).
TEST_F(ExercicesCh10, Calcul410TrianglesEmboitesTracesEnEntier) {
    lancer(410);
    const TzoneAffichage& z = *d.zoneFigure;
    for (const char* nom : {"[MB]", "[NC]", "[MN]", "[BC]", "[AM]", "[AN]"}) {
        EXPECT_NE(indiceObjet(z, nom), 0) << nom;
    }
    EXPECT_NEAR(abscisseObjet(z, "M") - abscisseObjet(z, "A"),
                0.6 * (abscisseObjet(z, "B") - abscisseObjet(z, "A")), 1e-12);
}

// 414 : le champ c attend « O » quand les deux rapports sont égaux (question 2), « N »
// sinon (question 1) ; la conclusion suit.
TEST_F(ExercicesCh10, Reciproque414ChampCSuitLesRapports) {
    lancer(414, 1);
    EXPECT_EQ(d.typeReponse[3], TgenreReponse::ouiNon);
    EXPECT_DOUBLE_EQ(d.valeurAttendue[3], 1);
    EXPECT_TRUE(d.premierFauxSeulement);
    repondre({"7/9", "0,75", "N"});
    EXPECT_EQ(d.codeVerdict, Tverdict::exact);
    std::vector<std::string> t = textes(*d.zoneSolution);
    EXPECT_NE(
        std::find(t.begin(), t.end(), "Donc les droites (MN) et (BC) ne sont pas parallèles."),
        t.end());

    poserQuestion(d, true);
    EXPECT_DOUBLE_EQ(d.valeurAttendue[3], 0);
    repondre({"0,75", "3/4", "N"});
    EXPECT_EQ(d.codeVerdict, Tverdict::faux);
    EXPECT_FALSE(d.questionTerminee);
}

TEST_F(ExercicesCh10, Equation401Question5AttendUneFraction) {
    lancer(401, 5);
    EXPECT_EQ(d.reponseAttendue[1].texte(), "25/3");
    repondre({"25/3"});
    EXPECT_EQ(d.codeVerdict, Tverdict::exact);
}

// 423 : pour toute graine, r < q premiers entre eux, BM/BA = e/s, et les trois rapports
// attendus sont entre 0 et 1 et vérifient CN/CI = 2 CN/CB, IN/IC = 1 − CN/CI.
TEST_F(ExercicesCh10, Rapports423TiragesCoherents) {
    for (std::uint64_t graine = 1; graine <= 200; ++graine) {
        nombres::initialiserHasard(graine);
        lancer(423);
        const int r = d.zoneFigure->entiers[1];
        const int q = d.zoneFigure->entiers[2];
        ASSERT_LT(r, q) << "graine " << graine;
        ASSERT_GE(r, 1);
        ASSERT_EQ(nombres::pgcd(r, q), 1);
        const double a = d.valeurAttendue[1], b = d.valeurAttendue[2], c = d.valeurAttendue[3];
        for (double v : {a, b, c}) {
            EXPECT_GT(v, 0);
            EXPECT_LT(v, 1);
        }
        EXPECT_NEAR(b, 2 * a, 1e-12);
        EXPECT_NEAR(c, 1 - b, 1e-12);
        // M est sur [BA] au rapport annoncé, et (MN)//(AC).
        const TzoneAffichage& z = *d.zoneFigure;
        const double t = 1 - a;
        EXPECT_NEAR(abscisseObjet(z, "N"), -3.5 + 7 * t, 1e-9);
        const double mx = abscisseObjet(z, "M") - abscisseObjet(z, "N");
        const double my = ordonneeObjet(z, "M") - ordonneeObjet(z, "N");
        EXPECT_NEAR(mx * (-7) - my * 2.5, 0, 1e-9);
    }
}

} // namespace
