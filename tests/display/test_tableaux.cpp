// Tableaux et diagrammes statistiques d'une zone : géométrie en pixels, texte des cellules,
// glisser des barres et des secteurs, diagramme figé, et données dégénérées (tableaux trop
// grands, secteurs hors de 360 degrés, zone trop petite, glisser hors de la zone).

#include "display/tableaux/objetdiagramme.h"
#include "display/tableaux/objettableau.h"
#include "display/zones/boitepeinture.h"
#include "display/zones/zoneaffichage.h"
#include "tests/display/dessin.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <gtest/gtest.h>
#include <numbers>
#include <numeric>
#include <string>
#include <vector>

namespace {

// Une zone liée à une boîte de dessin d'essai qui compte les dessins demandés et garde le
// dernier pointeur choisi.
struct ZoneEssai {
    explicit ZoneEssai(int largeur = 456, int hauteur = 310) {
        boite.largeur = largeur;
        boite.hauteur = hauteur;
        boite.repeindre = [this] { ++dessins; };
        boite.changerCurseur = [this](Tcurseur c) { curseur = c; };
        creerZone(boite, zone);
    }
    ~ZoneEssai() { libererZone(zone); }
    ZoneEssai(const ZoneEssai&) = delete;
    ZoneEssai& operator=(const ZoneEssai&) = delete;

    // Une zone de taille nulle se peint sur une image d'un pixel.
    QImage peindre() {
        QImage image = imageBlanche(std::max(1, boite.largeur), std::max(1, boite.hauteur));
        QPainter peintre(&image);
        dessinerZone(*zone, peintre);
        return image;
    }
    Ttableau& tableau(std::string_view nom = "t1") {
        return dynamic_cast<Ttableau&>(*zone->objet(indiceObjet(*zone, nom)));
    }
    Tdiagramme& diagramme() {
        return dynamic_cast<Tdiagramme&>(*zone->objet(zone->indexDiagramme));
    }
    std::vector<int> valeurs() {
        const Tdiagramme& d = diagramme();
        return {d.valeurs.begin(), d.valeurs.begin() + d.nbCategories};
    }

    TboitePeinture boite;
    std::unique_ptr<TzoneAffichage> zone;
    int dessins = 0;
    Tcurseur curseur = Tcurseur::defaut;
};

Tcouleur teinte(const QImage& image, int x, int y) {
    return image.pixel(x, y) & 0xFFFFFFu;
}

// --- Tableaux -----------------------------------------------------------------------------

TEST(Genres, TableauEtDiagrammeParLeurGenre) {
    ZoneEssai e;
    const int t = ajouterObjet(*e.zone, "t", 27);
    const int d = ajouterObjet(*e.zone, "d", 28);
    ASSERT_NE(t, 0);
    ASSERT_NE(d, 0);
    EXPECT_EQ(e.zone->objet(t)->classe, Tclasse::tableau);
    EXPECT_EQ(e.zone->objet(d)->classe, Tclasse::diagramme);
    // Vides tels que la fabrique les crée, ils se peignent et s'écrivent sans effet.
    ecrireCellule(*e.zone, "t", 1, 1, "x", 0);
    remplirTableau(*e.zone, "t", "a\\b");
    e.peindre();
}

TEST(Tableau, GeometrieEnColonnesDeHuitEtLignesDeQuinze) {
    ZoneEssai e;
    e.zone->marge = 1;
    const int i =
        tableau(*e.zone, "t1", 2, 5, 3.8, 7, "20;4;4;4;4;4;4", "1,3;1.3", 0x000000, false);
    ASSERT_NE(i, 0);
    Ttableau& t = e.tableau();
    EXPECT_EQ(t.genre, 27);
    EXPECT_DOUBLE_EQ(t.x, 6);
    EXPECT_DOUBLE_EQ(t.y, 3.8);
    EXPECT_DOUBLE_EQ(t.xDroite, 50);
    EXPECT_DOUBLE_EQ(t.yBas, 6.4);
    EXPECT_DOUBLE_EQ(t.cellule(2, 3)->xCellule, 30);
    EXPECT_DOUBLE_EQ(t.cellule(2, 3)->yCellule, 5.1);
    EXPECT_DOUBLE_EQ(t.cellule(1, 1)->dxTexte, 0.5);

    // Pixels : gauche 48, haut 57, deuxième ligne 76 (76,5 au pair), droite 400, bas 96.
    QImage image = e.peindre();
    EXPECT_EQ(teinte(image, 100, 85), 0xFFFFE0u) << "fond du tableau";
    EXPECT_EQ(teinte(image, 100, 76), 0u) << "haut de la deuxième ligne";
    EXPECT_EQ(teinte(image, 250, 57), 0u) << "haut de la première ligne après la première case";
    EXPECT_EQ(teinte(image, 100, 57), 0xFFFFE0u) << "la case en haut à gauche n'a pas de haut";
    EXPECT_EQ(teinte(image, 48, 60), 0xFFFFE0u) << "ni de bord gauche";
    EXPECT_EQ(teinte(image, 48, 85), 0u);
    EXPECT_EQ(teinte(image, 208, 60), 0u) << "gauche de la deuxième colonne";
    EXPECT_EQ(teinte(image, 400, 60), 0u) << "bord droit";
    EXPECT_EQ(teinte(image, 300, 96), 0u) << "bord bas";
    EXPECT_EQ(teinte(image, 402, 60), 0xFFFFFFu);
    EXPECT_EQ(teinte(image, 300, 98), 0xFFFFFFu);

    t.cadreComplet = true;
    image = e.peindre();
    EXPECT_EQ(teinte(image, 100, 57), 0u);
    EXPECT_EQ(teinte(image, 48, 60), 0u);
}

TEST(Tableau, AspectTableur) {
    ZoneEssai e;
    tableau(*e.zone, "t1", 2, 2.5, 2, 7, "10;4;4;4;4;4;4", "1,3;3", 0x000000, true);
    Ttableau& t = e.tableau();
    EXPECT_DOUBLE_EQ(t.x, 6);
    EXPECT_DOUBLE_EQ(t.y, 3.5);
    EXPECT_EQ(t.hauteurs, (std::vector<double>{1.5, 1.5}));
    EXPECT_DOUBLE_EQ(t.yBas, 6.5);
    ecrireCellule(*e.zone, "t1", 1, 2, "12", 0x000000);

    // En-têtes de lignes de 20 à 48, de colonnes de 30 à 52 ; cellules à partir de (48, 52).
    const QImage image = e.peindre();
    EXPECT_EQ(teinte(image, 22, 70), 0xC0C0C0u) << "en-tête de ligne";
    EXPECT_EQ(teinte(image, 60, 45), 0xC0C0C0u) << "en-tête de colonne";
    EXPECT_EQ(teinte(image, 30, 40), 0xC0C0C0u) << "coin";
    EXPECT_EQ(teinte(image, 100, 65), 0xFFFFFFu) << "cellule blanche";
    EXPECT_EQ(teinte(image, 128, 65), 0xC0C0C0u) << "grille grise";
    EXPECT_EQ(teinte(image, 24, 54), 0xFFFFFFu) << "trait blanc sous le haut de l'en-tête";
    EXPECT_EQ(teinte(image, 30, 97), 0u) << "trait noir sous les en-têtes de lignes";
    bool numero = false;
    bool lettre = false;
    for (int y = 52; y < 75; ++y) {
        for (int x = 28; x < 42; ++x) {
            numero = numero || qGray(image.pixel(x, y)) < 100;
        }
    }
    for (int y = 30; y < 52; ++y) {
        for (int x = 82; x < 96; ++x) {
            lettre = lettre || qGray(image.pixel(x, y)) < 100;
        }
    }
    EXPECT_TRUE(numero) << "« 1 » dans l'en-tête de la première ligne";
    EXPECT_TRUE(lettre) << "« A » dans l'en-tête de la première colonne";
}

TEST(Tableau, TableauRegulier) {
    ZoneEssai e;
    tableauRegulier(*e.zone, "t1", 3, 2, 1, 4, 9.5, 1.3);
    Ttableau& t = e.tableau();
    EXPECT_EQ(t.largeurs, (std::vector<double>(4, 9.5)));
    EXPECT_EQ(t.hauteurs, (std::vector<double>(3, 1.3)));
    EXPECT_DOUBLE_EQ(t.xDroite, 2 + 38);
    EXPECT_DOUBLE_EQ(t.yBas, 1 + 3.9);
    EXPECT_EQ(t.couleur, 0u);
    EXPECT_FALSE(t.enTete);
}

struct CasCellule {
    const char* nom;
    std::string texte;
    double dx;
    std::string stocke;
};

class CentrageCellule : public testing::TestWithParam<CasCellule> {};

// Cellule de 20 colonnes sur 1,3 ligne : dx = 10 − 0,43 × caractères, + 0,7 par espace de tête.
TEST_P(CentrageCellule, CentreEtOteLesEspacesDeTete) {
    const CasCellule& cas = GetParam();
    ZoneEssai e;
    tableau(*e.zone, "t1", 1, 0, 0, 2, "20;4", "1,3", 0x000000, false);
    ecrireCellule(*e.zone, "t1", 1, 1, cas.texte, 0xFF0000);
    const Ttableau::Tcellule& k = *e.tableau().cellule(1, 1);
    EXPECT_NEAR(k.dxTexte, cas.dx, 1e-9);
    EXPECT_NEAR(k.dyTexte, 0.15, 1e-9);
    EXPECT_EQ(k.texteCellule, cas.stocke);
    EXPECT_EQ(k.couleurTexte, 0xFF0000u);
}

INSTANTIATE_TEST_SUITE_P(
    Cas, CentrageCellule,
    testing::Values(CasCellule{"Simple", "Effectif", 10 - 0.43 * 8, "Effectif"},
                    CasCellule{"EspacesDeTete", "  Effectif", 10 - 0.43 * 10 + 1.4, "Effectif"},
                    CasCellule{"Accent", "\u00e9", 10 - 0.43, "\u00e9"},
                    CasCellule{"CoupeA43", std::string(50, 'x'), 10 - 0.43 * 43,
                               std::string(43, 'x')},
                    CasCellule{"EspacesSeuls", "   ", 10 - 0.43 * 3 + 2.1, ""},
                    CasCellule{"Vide", "", 10, ""}),
    [](const auto& info) { return std::string(info.param.nom); });

struct CasRemplissage {
    const char* nom;
    std::string texte;
    std::vector<std::string> cellules;
};

class Remplissage : public testing::TestWithParam<CasRemplissage> {};

TEST_P(Remplissage, LigneApresLigneLaDerniereCellulePrendLeReste) {
    const CasRemplissage& cas = GetParam();
    ZoneEssai e;
    tableau(*e.zone, "t1", 2, 0, 0, 3, "4;4;4", "1;1", 0x000000, false);
    ecrireCellule(*e.zone, "t1", 1, 3, "avant", 0xFF0000);
    remplirTableau(*e.zone, "t1", cas.texte);
    Ttableau& t = e.tableau();
    std::vector<std::string> lues;
    for (int i = 1; i <= 2; ++i) {
        for (int j = 1; j <= 3; ++j) {
            lues.push_back(t.cellule(i, j)->texteCellule);
            EXPECT_EQ(t.cellule(i, j)->couleurTexte, 0u);
        }
    }
    EXPECT_EQ(lues, cas.cellules);
}

INSTANTIATE_TEST_SUITE_P(
    Cas, Remplissage,
    testing::Values(
        CasRemplissage{"TroisMorceaux", "a\\b\\c", {"a", "b", "", "", "", "c"}},
        CasRemplissage{"Exact", "1\\2\\3\\4\\5\\6", {"1", "2", "3", "4", "5", "6"}},
        CasRemplissage{"Surplus", "1\\2\\3\\4\\5\\6\\7\\8", {"1", "2", "3", "4", "5", "6\\7\\8"}},
        CasRemplissage{"UnSeul", "a", {"", "", "", "", "", "a"}},
        CasRemplissage{"Vide", "", {"", "", "", "", "", ""}},
        CasRemplissage{"CelluleDEspaces", "Valeur\\  \\3", {"Valeur", "", "", "", "", "3"}}),
    [](const auto& info) { return std::string(info.param.nom); });

struct CasDimensions {
    const char* nom;
    int lignes;
    int colonnes;
    bool accepte;
};

class Dimensions : public testing::TestWithParam<CasDimensions> {};

TEST_P(Dimensions, HorsLimitesRefuse) {
    const CasDimensions& cas = GetParam();
    ZoneEssai e;
    const int i = tableau(*e.zone, "t1", cas.lignes, 0, 0, cas.colonnes, "1", "1", 0, false);
    EXPECT_EQ(i != 0, cas.accepte);
    EXPECT_EQ(e.zone->nombreObjets(), cas.accepte ? 1 : 0);
    // Écrire et remplir un tableau absent ne fait rien.
    remplirTableau(*e.zone, "t1", "a\\b");
    ecrireCellule(*e.zone, "t1", 1, 1, "a", 0);
    e.peindre();
}

INSTANTIATE_TEST_SUITE_P(Cas, Dimensions,
                         testing::Values(CasDimensions{"SeizeColonnes", 2, 16, true},
                                         CasDimensions{"DixSeptColonnes", 2, 17, false},
                                         CasDimensions{"TrenteLignes", 30, 3, true},
                                         CasDimensions{"TrenteEtUneLignes", 31, 3, false},
                                         CasDimensions{"ZeroLigne", 0, 3, false},
                                         CasDimensions{"ZeroColonne", 3, 0, false},
                                         CasDimensions{"Negatifs", -1, -4, false}),
                         [](const auto& info) { return std::string(info.param.nom); });

TEST(Tableau, CellulesHorsDuTableauEtNomsQuiNeSontPasDesTableaux) {
    ZoneEssai e;
    tableau(*e.zone, "t1", 2, 0, 0, 2, "4;4", "1;1", 0, false);
    ecrire(*e.zone, "texte", 0, 0);
    const auto avant = e.tableau().cellules;
    for (const auto& [ligne, colonne] : std::vector<std::pair<int, int>>{
             {0, 1}, {1, 0}, {3, 1}, {1, 3}, {-1, -1}, {INT_MAX, INT_MIN}}) {
        ecrireCellule(*e.zone, "t1", ligne, colonne, "x", 0);
    }
    ecrireCellule(*e.zone, "texte1", 1, 1, "x", 0);
    remplirTableau(*e.zone, "texte1", "x\\y");
    ecrireCellule(*e.zone, "absent", 1, 1, "x", 0);
    for (std::size_t i = 0; i < 2; ++i) {
        for (std::size_t j = 0; j < 2; ++j) {
            EXPECT_EQ(e.tableau().cellules[i][j].texteCellule, avant[i][j].texteCellule);
        }
    }
}

TEST(Tableau, DimensionsIllisiblesOuDemesurees) {
    ZoneEssai e;
    tableau(*e.zone, "t1", 3, 0, 0, 7, "abc;;-3;1e400;nan;inf;2,5", "1e300;2", 0, false);
    Ttableau& t = e.tableau();
    EXPECT_EQ(t.largeurs, (std::vector<double>{0, 0, 0, 0, 0, 0, 2.5}));
    EXPECT_EQ(t.hauteurs, (std::vector<double>{1000, 2, 0}));
    EXPECT_TRUE(std::isfinite(t.xDroite));
    EXPECT_TRUE(std::isfinite(t.yBas));
    remplirTableau(*e.zone, "t1", "a\\b\\c");
    e.peindre();
}

// --- Diagrammes ---------------------------------------------------------------------------

struct CasCreation {
    const char* nom;
    int categories;
    int type;
    std::string valeurs;
    std::string libelles;
    std::vector<int> attendues;
    std::vector<std::string> libellesAttendus;
    std::string titre;
};

class CreationDiagramme : public testing::TestWithParam<CasCreation> {};

TEST_P(CreationDiagramme, ValeursLibellesEtTitre) {
    const CasCreation& cas = GetParam();
    ZoneEssai e;
    const int i = diagramme(*e.zone, cas.categories, cas.valeurs, cas.libelles, cas.type, false);
    ASSERT_NE(i, 0);
    EXPECT_EQ(e.zone->indexDiagramme, i);
    EXPECT_EQ(e.zone->objet(i)->nom, "Diagramme");
    EXPECT_EQ(e.valeurs(), cas.attendues);
    const Tdiagramme& d = e.diagramme();
    EXPECT_EQ(std::vector<std::string>(d.libelles.begin(), d.libelles.begin() + cas.categories),
              cas.libellesAttendus);
    EXPECT_EQ(d.titre, cas.titre);
    EXPECT_EQ(d.total, std::accumulate(cas.attendues.begin(), cas.attendues.end(), 0));
    e.peindre();
}

INSTANTIATE_TEST_SUITE_P(
    Cas, CreationDiagramme,
    testing::Values(
        CasCreation{"Barres",
                    4,
                    1,
                    "3;5,4;7.5;25",
                    "A\\B\\C\\D",
                    {3, 5, 8, 20},
                    {"A", "B", "C", "D"},
                    "Effectif"},
        CasCreation{"BarresNegativesEtManquantes",
                    3,
                    1,
                    "-4",
                    "A\\B\\C\\Nombre",
                    {0, 0, 0},
                    {"A", "B", "C"},
                    "Nombre"},
        CasCreation{"Secteurs", 3, 2, "90;45", "x\\y\\z\\", {90, 45, 225}, {"x", "y", "z"}, ""},
        CasCreation{"SecteursLeDernierComplete",
                    3,
                    2,
                    "90;45;10",
                    "x",
                    {90, 45, 225},
                    {"x", "", ""},
                    "Effectif"},
        CasCreation{"SecteursAuDelaDe360",
                    4,
                    2,
                    "300;100;50",
                    "",
                    {300, 60, 0, 0},
                    {"", "", "", ""},
                    "Effectif"},
        CasCreation{"SecteursNegatifs", 3, 2, "-30;400", "", {0, 360, 0}, {"", "", ""}, "Effectif"},
        CasCreation{"UnSeulSecteur", 1, 2, "", "Tout", {360}, {"Tout"}, "Effectif"},
        CasCreation{"LibellesCoupes",
                    1,
                    1,
                    "1e300",
                    std::string(45, 'a') + "\\" + std::string(41, 'b'),
                    {20},
                    {std::string(40, 'a')},
                    std::string(40, 'b')}),
    [](const auto& info) { return std::string(info.param.nom); });

TEST(Diagramme, RefusHorsLimitesEtSecondDiagramme) {
    ZoneEssai e;
    EXPECT_EQ(diagramme(*e.zone, 0, "", "", 1, false), 0);
    EXPECT_EQ(diagramme(*e.zone, 7, "", "", 1, false), 0);
    EXPECT_EQ(diagramme(*e.zone, 3, "", "", 0, false), 0);
    EXPECT_EQ(diagramme(*e.zone, 3, "", "", 3, false), 0);
    EXPECT_EQ(e.zone->nombreObjets(), 0);
    EXPECT_EQ(e.zone->indexDiagramme, 0);
    ecrire(*e.zone, "avant", 0, 0);
    EXPECT_EQ(diagramme(*e.zone, 3, "1;2;3", "", 1, false), 2);
    EXPECT_EQ(diagramme(*e.zone, 3, "4;5;6", "", 1, false), 0) << "une zone, un diagramme";
    EXPECT_EQ(e.zone->indexDiagramme, 2);
    EXPECT_EQ(e.valeurs(), (std::vector<int>{1, 2, 3}));
    viderZone(*e.zone);
    EXPECT_EQ(diagramme(*e.zone, 3, "4;5;6", "", 1, false), 1);
}

// Zone de 456 × 310 : base 300, légende jusqu'à 75 (trois lignes), 10 pixels par unité.
TEST(Diagramme, LegendeEtBarresEnPixels) {
    ZoneEssai e;
    diagramme(*e.zone, 3, "4;5;6", "a\\b\\c", 1, false);
    const Tdiagramme& trois = e.diagramme();
    EXPECT_EQ(std::vector<double>(trois.xLegende.begin(), trois.xLegende.begin() + 3),
              (std::vector<double>{5, 5, 5}));
    EXPECT_EQ(std::vector<double>(trois.yLegende.begin(), trois.yLegende.begin() + 3),
              (std::vector<double>{5, 30, 55}));

    viderZone(*e.zone);
    diagramme(*e.zone, 6, "10;0;20;1;2;3", "a\\b\\c\\d\\e\\f", 1, false);
    const Tdiagramme& d = e.diagramme();
    EXPECT_EQ(std::vector<double>(d.xLegende.begin(), d.xLegende.end()),
              (std::vector<double>{5, 230.5, 5, 230.5, 5, 230.5}));
    EXPECT_EQ(std::vector<double>(d.yLegende.begin(), d.yLegende.end()),
              (std::vector<double>{5, 5, 30, 30, 55, 55}));
    EXPECT_DOUBLE_EQ(d.yBase, 300);
    EXPECT_DOUBLE_EQ(d.unite, 10);
    EXPECT_DOUBLE_EQ(d.xBarre[0], 20 + 436.0 / 7);
    EXPECT_DOUBLE_EQ(d.xBarre[5], 20 + 6 * 436.0 / 7);
    EXPECT_DOUBLE_EQ(d.yBarre[0], 200);
    EXPECT_DOUBLE_EQ(d.yBarre[2], 100);

    const QImage image = e.peindre();
    EXPECT_EQ(teinte(image, 20, 15), 0xFFFF80u) << "case de légende 1";
    EXPECT_EQ(teinte(image, 20, 40), 0xFF00FFu) << "case de légende 3, première colonne";
    EXPECT_EQ(teinte(image, 245, 40), 0xE0E0E0u) << "case de légende 4, deuxième colonne";
    EXPECT_EQ(teinte(image, 82, 250), 0xFFFF80u) << "barre 1";
    EXPECT_EQ(teinte(image, 206, 150), 0xFF00FFu) << "barre 3";
    EXPECT_EQ(teinte(image, 82, 200), 0x0000FFu) << "poignée de la barre 1";
    EXPECT_EQ(teinte(image, 100, 300), 0u) << "ligne de base";
    EXPECT_EQ(teinte(image, 20, 150), 0u) << "axe vertical";
    EXPECT_EQ(teinte(image, 300, 250), 0x808080u) << "graduation 5";
    EXPECT_EQ(teinte(image, 300, 260), 0xE0E0E0u) << "graduation 4";
}

struct CasBarre {
    const char* nom;
    int y;
    int attendue;
};

class GlisserBarre : public testing::TestWithParam<CasBarre> {};

TEST_P(GlisserBarre, ArrondiAuPairEtBorneDeZeroAVingt) {
    const CasBarre& cas = GetParam();
    ZoneEssai e;
    diagramme(*e.zone, 3, "0;7;0", "", 1, false);
    // La poignée de la barre 2 est en (238, 230).
    sourisZone(*e.zone, 240, 233, 1);
    EXPECT_EQ(e.diagramme().poignee, 2);
    EXPECT_EQ(e.curseur, Tcurseur::redimensionVertical);
    sourisZone(*e.zone, 241, cas.y, 3);
    EXPECT_EQ(e.valeurs(), (std::vector<int>{0, cas.attendue, 0}));
    EXPECT_EQ(e.dessins, cas.attendue == 7 ? 0 : 1);
    sourisZone(*e.zone, 241, cas.y, 2);
    EXPECT_EQ(e.diagramme().poignee, 0);
    EXPECT_EQ(e.dessins, cas.attendue == 7 ? 0 : 1) << "rien ne change au relâchement";
}

INSTANTIATE_TEST_SUITE_P(
    Cas, GlisserBarre,
    testing::Values(CasBarre{"Douze", 180, 12}, CasBarre{"DouzeQuatre", 176, 12},
                    CasBarre{"DouzeEtDemiVersLePair", 175, 12},
                    CasBarre{"TreizeEtDemiVersLePair", 165, 14}, CasBarre{"SansChangement", 231, 7},
                    CasBarre{"AuDessusDuHaut", 0, 20}, CasBarre{"SousLaBase", 310, 0},
                    CasBarre{"TresLoinEnHaut", -1000000, 20},
                    CasBarre{"TresLoinEnBas", 1000000, 0}),
    [](const auto& info) { return std::string(info.param.nom); });

TEST(Diagramme, PoigneesEtPointeur) {
    ZoneEssai e;
    diagramme(*e.zone, 3, "0;7;0", "", 1, false);
    sourisZone(*e.zone, 238 + 7, 230, 3);
    EXPECT_EQ(e.curseur, Tcurseur::defaut) << "à 7 pixels, hors de portée";
    sourisZone(*e.zone, 238 + 6, 230 - 6, 3);
    EXPECT_EQ(e.curseur, Tcurseur::redimensionVertical);
    sourisZone(*e.zone, 100, 100, 1);
    EXPECT_EQ(e.diagramme().poignee, 0);
    EXPECT_EQ(e.curseur, Tcurseur::defaut);
    sourisZone(*e.zone, 238, 100, 3);
    EXPECT_EQ(e.valeurs(), (std::vector<int>{0, 7, 0}))
        << "un déplacement sans poignée ne tire rien";
    // Après un glisser, la poignée suit la barre.
    sourisZone(*e.zone, 238, 230, 1);
    sourisZone(*e.zone, 238, 200, 3);
    sourisZone(*e.zone, 238, 150, 3);
    sourisZone(*e.zone, 238, 150, 2);
    EXPECT_EQ(e.valeurs(), (std::vector<int>{0, 15, 0}));
    EXPECT_EQ(e.diagramme().poigneeSous(238, 150), 2);
    EXPECT_EQ(e.curseur, Tcurseur::redimensionVertical);
}

// Quatre secteurs de 90 degrés ; centre (228, 180), rayon 115 (la légende finit à 50).
struct CasSecteur {
    const char* nom;
    int limite;
    double angle;
    double distance;
    std::vector<int> attendues;
};

class GlisserSecteur : public testing::TestWithParam<CasSecteur> {};

TEST_P(GlisserSecteur, CinqDegresAuMoinsEtSommeDe360) {
    const CasSecteur& cas = GetParam();
    ZoneEssai e;
    diagramme(*e.zone, 4, "90;90;90", "", 2, false);
    const Tdiagramme& d = e.diagramme();
    ASSERT_DOUBLE_EQ(d.xCentre, 228);
    ASSERT_DOUBLE_EQ(d.yCentre, 180);
    ASSERT_DOUBLE_EQ(d.rayon, 115);
    const auto limite = static_cast<std::size_t>(cas.limite);
    sourisZone(*e.zone, static_cast<int>(std::lround(d.xLimite[limite])),
               static_cast<int>(std::lround(d.yLimite[limite])), 1);
    ASSERT_EQ(d.poignee, cas.limite);
    EXPECT_EQ(e.curseur, Tcurseur::croix);
    const double a = cas.angle * std::numbers::pi / 180;
    const int x = static_cast<int>(std::lround(228 + cas.distance * std::cos(a)));
    const int y = static_cast<int>(std::lround(180 - cas.distance * std::sin(a)));
    sourisZone(*e.zone, x, y, 3);
    sourisZone(*e.zone, x, y, 2);
    const std::vector<int> v = e.valeurs();
    EXPECT_EQ(v, cas.attendues);
    EXPECT_EQ(std::accumulate(v.begin(), v.end(), 0), 360);
    EXPECT_EQ(e.dessins, (cas.attendues == std::vector<int>{90, 90, 90, 90}) ? 0 : 1);
}

INSTANTIATE_TEST_SUITE_P(
    Cas, GlisserSecteur,
    testing::Values(CasSecteur{"Vers120", 1, 120, 100, {120, 60, 90, 90}},
                    CasSecteur{"AccrocheA175", 1, 177, 100, {175, 5, 90, 90}},
                    CasSecteur{"TropLoinDuVoisin", 1, 179.4, 100, {90, 90, 90, 90}},
                    CasSecteur{"AccrocheA5", 1, 3, 100, {5, 175, 90, 90}},
                    CasSecteur{"AutreCoteDuCercle", 1, 300, 100, {90, 90, 90, 90}},
                    CasSecteur{"DerniereLimite", 3, 350, 60, {90, 90, 170, 10}},
                    CasSecteur{"DerniereLimiteAccrocheA355", 3, 358, 60, {90, 90, 175, 5}},
                    CasSecteur{"LimiteDuMilieu", 2, 100, 100, {90, 10, 170, 90}},
                    CasSecteur{"TresLoinHorsDeLaZone", 1, 45, 1000000, {45, 135, 90, 90}},
                    CasSecteur{"SurLeCentre", 1, 0, 0, {90, 90, 90, 90}}),
    [](const auto& info) { return std::string(info.param.nom); });

TEST(Diagramme, SecteursEnPixels) {
    ZoneEssai e;
    diagramme(*e.zone, 4, "90;90;90", "", 2, false);
    const Tdiagramme& d = e.diagramme();
    EXPECT_NEAR(d.xLimite[1], 228, 1e-9);
    EXPECT_NEAR(d.yLimite[1], 65, 1e-9);
    EXPECT_NEAR(d.xLimite[0], 343, 1e-9);
    const QImage image = e.peindre();
    EXPECT_EQ(teinte(image, 268, 140), 0xFFFF80u) << "secteur 1 en haut à droite";
    EXPECT_EQ(teinte(image, 188, 140), 0xE0FFE0u) << "secteur 2 en haut à gauche";
    EXPECT_EQ(teinte(image, 188, 220), 0xFF00FFu) << "secteur 3 en bas à gauche";
    EXPECT_EQ(teinte(image, 268, 220), 0xE0E0E0u) << "secteur 4 en bas à droite";
    EXPECT_EQ(teinte(image, 228, 100), 0u) << "rayon à 90 degrés";
    EXPECT_EQ(teinte(image, 300, 180), 0u) << "rayon à 0 degré";
    EXPECT_EQ(teinte(image, 228, 65), 0x0000FFu) << "poignée de la limite 1";
    EXPECT_NE(teinte(image, 343, 180), 0x0000FFu) << "pas de poignée à 0 degré";
}

class Fige : public testing::TestWithParam<int> {};

// Un diagramme figé (ou une zone figée) ignore la souris et ne montre pas de poignées.
TEST_P(Fige, LaSourisNeChangeRien) {
    const int type = GetParam();
    ZoneEssai e;
    diagramme(*e.zone, 4, "90;90;90", "", type, true);
    const Tdiagramme& d = e.diagramme();
    const int x = static_cast<int>(std::lround(type == 1 ? d.xBarre[0] : d.xLimite[1]));
    const int y = static_cast<int>(std::lround(type == 1 ? d.yBarre[0] : d.yLimite[1]));
    const std::vector<int> avant = e.valeurs();
    e.curseur = Tcurseur::main;
    for (const int action : {1, 3, 2}) {
        sourisZone(*e.zone, x + (action == 1 ? 0 : 40), y + (action == 1 ? 0 : 40), action);
    }
    EXPECT_EQ(e.valeurs(), avant);
    EXPECT_EQ(d.poignee, 0);
    EXPECT_EQ(e.dessins, 0);
    EXPECT_EQ(e.curseur, Tcurseur::main);
    EXPECT_NE(teinte(e.peindre(), x, y), 0x0000FFu);

    e.diagramme().fige = false;
    e.zone->figee = true;
    sourisZone(*e.zone, x, y, 1);
    sourisZone(*e.zone, x + 40, y + 40, 3);
    EXPECT_EQ(e.valeurs(), avant);
    e.zone->figee = false;
    cacherObjet(*e.zone, "Diagramme");
    sourisZone(*e.zone, x, y, 1);
    sourisZone(*e.zone, x + 40, y + 40, 3);
    EXPECT_EQ(e.valeurs(), avant) << "un diagramme caché ignore la souris";
    montrerObjet(*e.zone, "Diagramme");
    sourisDiagramme(*e.zone, x, y, 1);
    sourisDiagramme(*e.zone, x + 40, y + 40, 3);
    EXPECT_NE(e.valeurs(), avant);
}

INSTANTIATE_TEST_SUITE_P(Types, Fige, testing::Values(1, 2), [](const auto& info) {
    return std::string(info.param == 1 ? "Barres" : "Secteurs");
});

// Des données posées directement par un exercice, ou une zone trop petite, ne font ni
// débordement, ni NaN, ni plantage (les sanitiseurs surveillent la suite).
TEST(Diagramme, DonneesDegenerees) {
    for (const int type : {1, 2}) {
        for (const auto& [largeur, hauteur] :
             std::vector<std::pair<int, int>>{{456, 310}, {40, 30}, {0, 0}}) {
            ZoneEssai e(largeur, hauteur);
            ASSERT_NE(diagramme(*e.zone, 6, "1;2;3;4;5", "", type, false), 0);
            Tdiagramme& d = e.diagramme();
            d.valeurs = {-50, 500, INT_MAX, INT_MIN, 0, 7};
            d.nbCategories = 9;
            e.peindre();
            EXPECT_EQ(d.nbCategories, 6);
            for (int k = 0; k <= 6; ++k) {
                EXPECT_TRUE(std::isfinite(d.xLimite[static_cast<std::size_t>(k)]));
                EXPECT_TRUE(std::isfinite(d.yLimite[static_cast<std::size_t>(k)]));
            }
            for (int k = 1; k <= 6; ++k) {
                const auto i = static_cast<std::size_t>(type == 1 ? k - 1 : k);
                const int x = static_cast<int>(type == 1 ? d.xBarre[i] : d.xLimite[i]);
                const int y = static_cast<int>(type == 1 ? d.yBarre[i] : d.yLimite[i]);
                sourisZone(*e.zone, x, y, 1);
                sourisZone(*e.zone, x + 30, y - 30, 3);
                sourisZone(*e.zone, -100000, 100000, 3);
                sourisZone(*e.zone, 100000, -100000, 2);
            }
            e.peindre();
            d.valeurs = {0, 0, 0, 0, 0, 0};
            const QImage vide = e.peindre();
            if (type == 2 && largeur > 100) {
                EXPECT_NE(teinte(vide, 268, 140), 0xFFFF80u) << "total nul : aucun secteur";
            }
        }
    }
}

TEST(Diagramme, BarresDansUneZoneTropBasse) {
    ZoneEssai e(200, 60);
    diagramme(*e.zone, 2, "3;4", "", 1, false);
    Tdiagramme& d = e.diagramme();
    EXPECT_LE(d.unite, 0);
    sourisZone(*e.zone, static_cast<int>(d.xBarre[0]), static_cast<int>(d.yBarre[0]), 1);
    sourisZone(*e.zone, static_cast<int>(d.xBarre[0]), 0, 3);
    EXPECT_EQ(e.valeurs(), (std::vector<int>{3, 4})) << "pas d'échelle, pas de glisser";
}

} // namespace
