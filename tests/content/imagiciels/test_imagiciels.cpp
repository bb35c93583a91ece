// Les imagiciels joués sans fenêtre : ouverture, étapes aller et retour, glisser de chaque
// point bleu aux bouts de sa course, et ce que la zone peint.

#include "content/imagiciels/etapes.h"
#include "content/imagiciels/imagiciels.h"
#include "core/controles/bouton.h"
#include "core/controles/libelle.h"
#include "core/identifiants.h"
#include "core/lien.h"
#include "core/plateforme/sansfenetre.h"
#include "display/figures/clavierfigure.h"
#include "display/figures/figures.h"
#include "display/figures/pointfigure.h"
#include "display/zones/boitepeinture.h"
#include "display/zones/zoneaffichage.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>
#include <vector>

namespace {

// Ce qu'une zone montre : nom, visibilité, indéfinition, position et couleur de chaque objet.
struct Tetat {
    std::string nom;
    bool visible;
    bool indefini;
    double x;
    double y;
    unsigned couleur;
    bool mobile;
    bool operator==(const Tetat&) const = default;
};

std::vector<Tetat> etat(const TzoneAffichage& z) {
    std::vector<Tetat> e;
    for (int i = 1; i <= z.nombreObjets(); ++i) {
        const TobjetZone& o = *z.objet(i);
        const auto* p = dynamic_cast<const TpointFigure*>(&o);
        e.push_back(
            {o.nom, o.visible, o.indefini, p ? p->x : 0, p ? p->y : 0, o.couleur, o.mobile});
    }
    return e;
}

class Imagiciel : public testing::Test {
protected:
    Imagiciel() { inscrireImagiciels(); }
    void ouvrir(int id) {
        s.d.numeroImagiciel = id;
        ouvrirImagiciel(s.d);
    }
    TzoneAffichage& figure() { return *s.d.zoneFigureImagiciel; }
    TzoneAffichage& texte() { return *s.d.zoneTexteImagiciel; }
    bool visible(TzoneAffichage& z, std::string_view nom) {
        const TobjetZone* o = z.objet(indiceObjet(z, nom));
        return o != nullptr && o->visible;
    }
    bool dessine(std::string_view nom) {
        const TobjetZone* o = figure().objet(indiceObjet(figure(), nom));
        return o != nullptr && o->visible && !o->indefini;
    }
    // Glisse le point nommé vers le point du monde (x, y), à la souris.
    void glisser(std::string_view nom, double x, double y) {
        TzoneAffichage& z = figure();
        int px = 0;
        int py = 0;
        ASSERT_TRUE(z.objet(indiceObjet(z, nom))->positionEcran(z, px, py)) << nom;
        sourisZone(z, px, py, 1);
        ASSERT_EQ(z.objetSaisi, indiceObjet(z, nom)) << nom;
        sourisZone(z, xEcran(z, x), yEcran(z, y), 3);
        sourisZone(z, xEcran(z, x), yEcran(z, y), 2);
    }
    QImage peindre(TzoneAffichage& z) {
        QImage image(std::max(1, z.largeur), std::max(1, z.hauteur), QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter peintre(&image);
        dessinerZone(z, peintre);
        return image;
    }

    TsansFenetre s;
};

std::vector<int> identifiants() {
    std::vector<int> ids;
    for (const auto& f : imagiciels::catalogue()) {
        ids.push_back(f.identifiant);
    }
    return ids;
}

TEST_F(Imagiciel, LesVingtEtUneFiguresEtLesGroupes) {
    EXPECT_EQ(imagiciels::catalogue().size(), 21u);
    for (const int groupe : {1500, 1505, 1514, 1519}) {
        ouvrir(groupe);
        EXPECT_EQ(s.d.titreImagiciel.texte(), "Page à faire") << groupe;
        EXPECT_EQ(s.controles.LabelChapitreImagiciel.texte, "Imagiciel");
        EXPECT_EQ(texte().nombreObjets(), 0);
        EXPECT_FALSE(figure().boite->visible);
        EXPECT_FALSE(s.controles.BoutonAvancer.visible);
    }
}

struct Tchapitre {
    int id;
    const char* titre;
    const char* chapitre;
    int etapes;
};

class Titres : public Imagiciel, public testing::WithParamInterface<Tchapitre> {};

TEST_P(Titres, TitreChapitreEtBoutons) {
    const Tchapitre& c = GetParam();
    ouvrir(c.id);
    EXPECT_EQ(s.controles.LabelTitreImagiciel.texte, c.titre);
    EXPECT_EQ(s.controles.LabelChapitreImagiciel.texte, c.chapitre);
    EXPECT_EQ(s.d.nombreEtapes, c.etapes);
    EXPECT_EQ(s.controles.BoutonAvancer.visible, c.etapes > 1);
    EXPECT_EQ(s.controles.BoutonReculer.visible, c.etapes > 1);
    EXPECT_EQ(s.d.PageControle->pageActive, Onglet::Imagiciels);
    EXPECT_EQ(s.controles.ArbreChoixImagiciel.selection, c.id - 1500);
    EXPECT_TRUE(figure().boite->visible);
    if (c.etapes > 1) {
        EXPECT_EQ(s.controles.BoutonAvancer.gauche, 680);
        EXPECT_EQ(s.controles.BoutonAvancer.haut, 150);
        EXPECT_EQ(s.controles.BoutonReculer.haut, 150);
        EXPECT_EQ(s.controles.BoutonReculer.gauche, 680 - s.controles.BoutonAvancer.largeur - 10);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, Titres,
    testing::Values(
        Tchapitre{1501, "Illustration de la symétrie axiale", "Imagiciel", 0},
        Tchapitre{1503, "Illustration de la translation", "12. Vecteurs et translations", 0},
        Tchapitre{1504, "Illustration de la rotation", "14. Rotations, angles, polygones réguliers",
                  0},
        Tchapitre{1510, "Cosinus dans un quart de cercle de rayon 1", "9. Trigonométrie", 0},
        Tchapitre{1513, "Du patron au cône", "11. Géométrie dans l'espace", 0},
        Tchapitre{1515, "Construction d'un triangle connaissant un côté et deux angles",
                  "Imagiciel", 6},
        Tchapitre{1517, "Construction d'un triangle connaissant les trois côtés", "Imagiciel", 6},
        Tchapitre{1518, "Construction du cercle circonscrit à un triangle", "Imagiciel", 4},
        Tchapitre{1522, "Construction de la médiatrice et du milieu d'un segment", "Imagiciel", 5},
        Tchapitre{1524, "Construction de la bissectrice avec un losange", "Imagiciel", 4}));

class ChaqueFigure : public Imagiciel, public testing::WithParamInterface<int> {};

// Chaque figure s'ouvre, se parcourt étape par étape, et chaque point déplaçable va aux
// bouts de sa course : aucun point défini n'a de coordonnée non finie, les points bleus
// restent dans leur zone et la peinture se fait.
TEST_P(ChaqueFigure, EtapesGlisserEtPeinture) {
    const int id = GetParam();
    ouvrir(id);
    for (int k = 1; k < s.d.nombreEtapes; ++k) {
        etapeSuivante(s.d);
    }
    EXPECT_EQ(s.d.etapeImagiciel, std::max(1, s.d.nombreEtapes));
    // Tous les objets du texte tiennent dans la largeur de la fenêtre.
    TzoneAffichage& z = figure();
    std::vector<std::string> mobiles;
    for (int i = 1; i <= z.nombreObjets(); ++i) {
        const TobjetZone& o = *z.objet(i);
        if (o.mobile && o.visible && o.classe == Tclasse::point) {
            mobiles.push_back(o.nom);
        }
    }
    if (id != 1516 && id != 1522) {
        EXPECT_FALSE(mobiles.empty()) << id;
    }
    const double coins[][2] = {
        {z.xMin, z.yMin}, {z.xMax, z.yMax}, {z.xMin, z.yMax}, {z.xMax, z.yMin}, {0, 0}};
    for (const std::string& nom : mobiles) {
        const double x0 = abscisseObjet(z, nom);
        const double y0 = ordonneeObjet(z, nom);
        for (const auto& c : coins) {
            glisser(nom, c[0], c[1]);
            int px = 0;
            int py = 0;
            z.objet(indiceObjet(z, nom))->positionEcran(z, px, py);
            EXPECT_GE(px, 0) << id << " " << nom;
            EXPECT_LE(px, z.largeur) << id << " " << nom;
            EXPECT_GE(py, 0) << id << " " << nom;
            EXPECT_LE(py, z.hauteur) << id << " " << nom;
            for (int i = 1; i <= z.nombreObjets(); ++i) {
                const auto* p = dynamic_cast<const TpointFigure*>(z.objet(i));
                if (p != nullptr && !p->indefini) {
                    EXPECT_TRUE(std::isfinite(p->x) && std::isfinite(p->y))
                        << id << " " << nom << " " << p->nom;
                }
            }
            const QImage image = peindre(z);
            EXPECT_FALSE(image.isNull());
        }
        glisser(nom, x0, y0);
    }
    const QImage texteImage = peindre(texte());
    EXPECT_FALSE(texteImage.isNull());
    EXPECT_LT(z.nombreObjets(), TzoneAffichage::objetsMaximum) << id;
}

INSTANTIATE_TEST_SUITE_P(Catalogue, ChaqueFigure, testing::ValuesIn(identifiants()));

class Pas : public Imagiciel, public testing::WithParamInterface<int> {};

// Une construction s'ouvre à l'étape 1 ; avancer jusqu'au bout puis revenir à l'étape 1 rend
// la scène d'ouverture ; à l'avant-dernière étape, les points déplacés sont revenus.
TEST_P(Pas, AllerRetourRendLaSceneDOuverture) {
    const int id = GetParam();
    ouvrir(id);
    EXPECT_EQ(s.d.etapeImagiciel, 1);
    EXPECT_FALSE(s.controles.BoutonReculer.actif);
    EXPECT_TRUE(s.controles.BoutonAvancer.actif);
    // Étape 1 : la tâche et l'invitation seules dans le texte.
    int textesVisibles = 0;
    for (int i = 1; i <= texte().nombreObjets(); ++i) {
        textesVisibles += texte().objet(i)->visible ? 1 : 0;
    }
    EXPECT_EQ(textesVisibles, 2) << id;
    EXPECT_TRUE(visible(texte(), "texte1"));
    const auto ouvertureTexte = etat(texte());
    const auto ouvertureFigure = etat(figure());
    std::vector<std::vector<Tetat>> scenes{ouvertureFigure};
    for (int k = 2; k <= s.d.nombreEtapes; ++k) {
        etapeSuivante(s.d);
        scenes.push_back(etat(figure()));
    }
    EXPECT_FALSE(s.controles.BoutonAvancer.actif);
    EXPECT_TRUE(s.controles.BoutonReculer.actif);
    // Au bout, l'élève déplace un point bleu puis revient d'une étape.
    TzoneAffichage& z = figure();
    std::string deplace;
    for (int i = 1; i <= z.nombreObjets() && deplace.empty(); ++i) {
        const TobjetZone& o = *z.objet(i);
        if (o.mobile && o.visible && o.classe == Tclasse::point) {
            deplace = o.nom;
        }
    }
    if (!deplace.empty()) {
        glisser(deplace, abscisseObjet(z, deplace) + 0.7, ordonneeObjet(z, deplace) + 0.4);
    }
    etapePrecedente(s.d);
    if (id != 1518) {
        EXPECT_EQ(etat(figure()), scenes[scenes.size() - 2]) << id;
    }
    while (s.d.etapeImagiciel > 1) {
        etapePrecedente(s.d);
    }
    EXPECT_EQ(etat(texte()), ouvertureTexte) << id;
    if (id != 1518) {
        EXPECT_EQ(etat(figure()), ouvertureFigure) << id;
    }
    EXPECT_FALSE(s.controles.BoutonReculer.actif);
    etapePrecedente(s.d);
    EXPECT_EQ(s.d.etapeImagiciel, 1);
}

INSTANTIATE_TEST_SUITE_P(Constructions, Pas,
                         testing::Values(1515, 1516, 1517, 1518, 1520, 1521, 1522, 1523, 1524));

TEST_F(Imagiciel, TroisCotesSansTriangleQuandABHorsDeDeuxAHuit) {
    ouvrir(1517);
    for (int k = 1; k < 6; ++k) {
        etapeSuivante(s.d);
    }
    TzoneAffichage& z = figure();
    EXPECT_EQ(etiquetteObjet(z, "K2"), "6,0");
    // À AB = 2 et AB = 8 les deux cercles se touchent : C est sur [AB], le triangle est
    // aplati ; au-delà, C n'existe plus et les côtés [AC], [BC] ne sont pas dessinés.
    const struct {
        double x;
        bool triangle;
        const char* ab;
    } cas[] = {{-2.1, false, "1,9"}, {-1.9, true, "2,1"}, {3.9, true, "7,9"},
               {4.1, false, "8,1"},  {5, false, "9,0"},   {-3, false, "1,0"}};
    for (const auto& c : cas) {
        glisser("B", c.x, -2);
        EXPECT_EQ(etiquetteObjet(z, "K2"), c.ab) << c.x;
        EXPECT_EQ(dessine("C"), c.triangle) << c.x;
        EXPECT_EQ(dessine("[AC]"), c.triangle) << c.x;
        EXPECT_EQ(dessine("[BC]"), c.triangle) << c.x;
    }
    for (const double x : {-2.0, 4.0}) {
        glisser("B", x, -2);
        EXPECT_TRUE(dessine("C")) << x;
        EXPECT_NEAR(ordonneeObjet(z, "C"), -2, 1e-6) << x;
    }
    glisser("B", 9, -2);
    EXPECT_NEAR(abscisseObjet(z, "B"), 5, 1e-9);
    EXPECT_NEAR(ordonneeObjet(z, "B"), -2, 1e-9);
}

TEST_F(Imagiciel, CosinusDeZeroAQuatreVingtDix) {
    ouvrir(1510);
    TzoneAffichage& z = figure();
    const struct {
        double x, y;
        const char* cosinus;
        const char* angle;
    } cas[] = {{5, -5.5, "1,000", "0°"},
               {-5.5, 6, "0,000", "90°"},
               {-8, -5.5, "1,000", "0°"},
               {0.0 + 10 * 0.8660254 - 5, 10 * 0.5 - 5, "0,866", "30°"}};
    for (const auto& c : cas) {
        glisser("M", c.x, c.y);
        EXPECT_EQ(etiquetteObjet(z, "dis1"), c.cosinus);
        EXPECT_EQ(etiquetteObjet(z, "ma"), c.angle);
        const double angle = std::atan2(ordonneeObjet(z, "M") + 5, abscisseObjet(z, "M") + 5);
        EXPECT_GE(angle, -1e-9);
        EXPECT_LE(angle, M_PI / 2 + 1e-9);
    }
}

TEST_F(Imagiciel, RouvrirReconstruitDepuisLeDebut) {
    ouvrir(1501);
    const auto avant = etat(figure());
    glisser("A", -6, 2);
    EXPECT_NE(etat(figure()), avant);
    ouvrir(1501);
    EXPECT_EQ(etat(figure()), avant);
}

TEST_F(Imagiciel, LienOuvreLImagiciel) {
    s.d.cibleLien = 1524;
    suivreLien(s.d);
    EXPECT_EQ(s.d.numeroImagiciel, 1524);
    EXPECT_EQ(s.controles.LabelTitreImagiciel.texte,
              "Construction de la bissectrice avec un losange");
    EXPECT_EQ(s.d.PageControle->pageActive, Onglet::Imagiciels);
}

// Au clavier : la tabulation donne le clavier à M, les flèches le font tourner d'un degré
// dans les bornes 0° … 90°, comme à la souris ; la figure suit.
TEST_F(Imagiciel, CosinusAuClavier) {
    ouvrir(1510);
    TzoneAffichage& z = figure();
    ASSERT_TRUE(toucheFigure(z, ToucheFigure::suivant));
    EXPECT_EQ(z.objetClavier, indiceObjet(z, "M"));
    ASSERT_TRUE(toucheFigure(z, ToucheFigure::droite));
    EXPECT_EQ(etiquetteObjet(z, "ma"), "51°");
    for (int k = 0; k < 60; ++k) {
        toucheFigure(z, ToucheFigure::gauche);
    }
    EXPECT_EQ(etiquetteObjet(z, "ma"), "0°");
    EXPECT_EQ(etiquetteObjet(z, "dis1"), "1,000");
    for (int k = 0; k < 100; ++k) {
        toucheFigure(z, ToucheFigure::haut);
    }
    EXPECT_EQ(etiquetteObjet(z, "ma"), "90°");
    EXPECT_EQ(etiquetteObjet(z, "dis1"), "0,000");
    EXPECT_FALSE(toucheFigure(z, ToucheFigure::suivant));
}

// Dans une construction, les points cachés ne prennent pas le clavier : à l'étape 1 de
// 1524 rien n'est déplaçable, à la dernière A, B et C le sont, dans l'ordre.
TEST_F(Imagiciel, TabulationSurLesPointsVisibles) {
    ouvrir(1524);
    EXPECT_FALSE(toucheFigure(figure(), ToucheFigure::suivant));
    for (int k = 1; k < 4; ++k) {
        etapeSuivante(s.d);
    }
    for (const char* nom : {"A", "B", "C"}) {
        ASSERT_TRUE(toucheFigure(figure(), ToucheFigure::suivant));
        EXPECT_EQ(figure().objetClavier, indiceObjet(figure(), nom));
    }
    const double x = abscisseObjet(figure(), "C");
    ASSERT_TRUE(toucheFigure(figure(), ToucheFigure::droite));
    EXPECT_GT(abscisseObjet(figure(), "C"), x);
}

} // namespace
