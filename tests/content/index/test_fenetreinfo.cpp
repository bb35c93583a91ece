// La fenêtre d'information côté contenu : la taille de chaque fiche, sa place près du
// pointeur contre le bord du bureau, la place fixe du bilan, et le dessin des fiches.

#include "content/info/dessininfo.h"
#include "content/info/fenetreinfo.h"
#include "core/donneescommunes.h"
#include "display/texte/canevas.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

namespace {

struct TcasTaille {
    int identifiant;
    int largeur;
    int hauteur;
};

class TailleInfo : public testing::TestWithParam<TcasTaille> {};

TEST_P(TailleInfo, SelonLaFicheApresAlias) {
    TdonneesCommunes d;
    tailleInfo(d, GetParam().identifiant);
    EXPECT_EQ(d.largeurInfo, GetParam().largeur);
    EXPECT_EQ(d.hauteurInfo, GetParam().hauteur);
}

INSTANTIATE_TEST_SUITE_P(Fiches, TailleInfo,
                         testing::Values(TcasTaille{1997, 408, 268}, TcasTaille{1998, 488, 360},
                                         TcasTaille{1999, 304, 198}, TcasTaille{2517, 368, 153},
                                         TcasTaille{2006, 368, 153}, TcasTaille{2604, 320, 144},
                                         TcasTaille{2702, 312, 189}, TcasTaille{2606, 372, 225},
                                         TcasTaille{2745, 308, 297}, TcasTaille{2773, 640, 324},
                                         TcasTaille{2662, 352, 225}, TcasTaille{2882, 320, 99},
                                         TcasTaille{2002, 240, 90}, TcasTaille{1990, 240, 90}));

struct TcasPlace {
    const char* nom;
    int x, y;
    int gauche, haut;
};

class PlaceInfo : public testing::TestWithParam<TcasPlace> {};

// Bureau de 1024 × 768, fiche de 368 × 153.
TEST_P(PlaceInfo, PresDuPointeurSelonLaPlaceLibre) {
    const TcasPlace& c = GetParam();
    const TplaceInfo p = placerInfo(c.x, c.y, 368, 153, {0, 0, 1024, 768});
    EXPECT_EQ(p.gauche, c.gauche) << c.nom;
    EXPECT_EQ(p.haut, c.haut) << c.nom;
}

INSTANTIATE_TEST_SUITE_P(
    Bureau, PlaceInfo,
    testing::Values(TcasPlace{"a_droite_en_dessous", 100, 100, 108, 116},
                    TcasPlace{"bord_droit_a_gauche", 900, 100, 900 - 368 - 4, 116},
                    TcasPlace{"bord_bas_au_dessus", 100, 700, 108, 700 - 153 - 4},
                    TcasPlace{"coin_bas_droit", 1000, 760, 1000 - 372, 760 - 157},
                    // 648 + 368 + 8 = 1024 n'est pas < 1024 : à gauche.
                    TcasPlace{"juste_trop_a_droite", 648, 100, 276, 116},
                    TcasPlace{"juste_assez_a_droite", 647, 100, 655, 116}),
    [](const auto& info) { return std::string(info.param.nom); });

TEST(PlaceInfo, CentreeSiNiADroiteNiAGauche) {
    // Bureau étroit : la fiche ne tient d'aucun côté en largeur, mais en dessous.
    const TplaceInfo p = placerInfo(200, 10, 368, 153, {0, 0, 400, 768});
    EXPECT_FALSE(p.placeADroite);
    EXPECT_FALSE(p.placeAGauche);
    EXPECT_TRUE(p.placeEnBas);
    EXPECT_EQ(p.gauche, (400 - 368) / 2);
    EXPECT_EQ(p.haut, 26);
}

TEST(PlaceInfo, En20_20SiElleNeTientNullePart) {
    const TplaceInfo p = placerInfo(150, 100, 368, 153, {0, 0, 300, 200});
    EXPECT_EQ(p.gauche, 20);
    EXPECT_EQ(p.haut, 20);
}

TEST(PlaceInfo, LeBilanAuBordDroitDuClasseur127PixelsSousSonHaut) {
    const TplaceInfo p = placerBilan({5, 15, 790, 570}, 304);
    EXPECT_EQ(p.gauche, 5 + 790 - 304 - 2);
    EXPECT_EQ(p.haut, 15 + 127);
}

// Les pixels d'une couleur dans l'image.
int pixelsDe(const QImage& image, QRgb couleur) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            n += (image.pixel(x, y) & 0xFFFFFF) == (couleur & 0xFFFFFF) ? 1 : 0;
        }
    }
    return n;
}

QImage peindre(const TdonneesCommunes& d, int id) {
    TdonneesCommunes taille;
    tailleInfo(taille, id);
    QImage image(taille.largeurInfo, taille.hauteurInfo, QImage::Format_RGB32);
    image.fill(Qt::magenta);
    QPainter peintre(&image);
    Tcanevas canevas(peintre);
    dessinerInfo(canevas, d, id, image.width(), image.height());
    dessinerBordInfo(canevas, image.width(), image.height());
    return image;
}

struct TcasDessin {
    int identifiant;
    QRgb couleurAttendue; // une couleur propre à la fiche
};

class DessinInfo : public testing::TestWithParam<TcasDessin> {};

TEST_P(DessinInfo, LaFicheCouvreLaFenetreEtPorteSesCouleurs) {
    TdonneesCommunes d;
    const QImage image = peindre(d, GetParam().identifiant);
    EXPECT_EQ(pixelsDe(image, 0xFF00FF), 0) << "rien n'est laissé sans peinture";
    EXPECT_GT(pixelsDe(image, GetParam().couleurAttendue), 20);
    EXPECT_EQ(image.pixel(0, 0) & 0xFFFFFF, 0xC0C0C0u) << "bord argent en haut à gauche";
    EXPECT_EQ(image.pixel(image.width() - 1, image.height() - 1) & 0xFFFFFF, 0u)
        << "bord noir en bas à droite";
    EXPECT_GT(pixelsDe(image, 0x000000), 200) << "du texte est écrit";
}

INSTANTIATE_TEST_SUITE_P(Fiches, DessinInfo,
                         testing::Values(TcasDessin{1997, 0xFFBD35}, TcasDessin{1998, 0xFFBD35},
                                         TcasDessin{1999, 0x109102}, TcasDessin{2875, 0xFE0000},
                                         TcasDessin{2876, 0xFDEB41}, TcasDessin{2877, 0xFDEB41},
                                         TcasDessin{2878, 0xFDEB41}, TcasDessin{2879, 0xFDEB41},
                                         TcasDessin{2880, 0x0000FF}, TcasDessin{2881, 0xFFFFE0},
                                         TcasDessin{2882, 0xFDEB41}, TcasDessin{2773, 0xE0FFE0}));

TEST(DessinInfo, LeBilanNeMontreLePourcentageQueSiDesPointsEtaientPossibles) {
    TdonneesCommunes d;
    const QImage sans = peindre(d, 1999);
    d.pointsObtenus = 2;
    d.pointsPossibles = 3;
    const QImage avec = peindre(d, 1999);
    // La ligne 8 (y de 135 à 153) n'a d'encre qu'avec le pourcentage.
    EXPECT_EQ(pixelsDe(sans.copy(40, 135, 220, 18), 0x000000), 0);
    EXPECT_GT(pixelsDe(avec.copy(40, 135, 220, 18), 0x000000), 20);
}

} // namespace
