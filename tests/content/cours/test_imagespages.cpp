// Les images écrites par le générateur des pages : chaque source donne ses deux images, et
// chaque zone cliquable de la table tombe sur des mots en couleur de lien, sans autre texte.

#include "tests/content/cours/coursessai.h"

#include "content/cours/sourcepage.h"
#include "content/cours/tablepages.h"
#include "display/zones/objetimage.h"

#include <QColor>

#include <filesystem>
#include <string>

namespace {

// Une encre de lien : nettement plus bleue que rouge et verte (les bords adoucis du bleu sur
// le papier blanc le restent).
bool encreDeLien(QRgb p) {
    return qBlue(p) - std::max(qRed(p), qGreen(p)) > 50;
}

// Une autre encre : un pixel nettement plus sombre que le papier, qui ne tire pas sur le
// bleu (le JPEG mêle un peu de gris aux bords du bleu ; un texte noir reste gris neutre).
bool autreEncre(QRgb p) {
    return std::min({qRed(p), qGreen(p), qBlue(p)}) < 170 &&
           qBlue(p) - std::max(qRed(p), qGreen(p)) < 20;
}

std::vector<std::string> pagesEcrites() {
    std::vector<std::string> noms;
    for (const auto& f : std::filesystem::directory_iterator(CALVANE_SOURCES_PAGES)) {
        if (f.path().extension() == ".txt") {
            noms.push_back(f.path().stem().string());
        }
    }
    return noms;
}

const TentreePage* entreeNommee(const std::string& nom) {
    for (const TentreePage& e : tablePages()) {
        if (e.nom == nom) {
            return &e;
        }
    }
    return nullptr;
}

QImage lire(const std::string& fichier) {
    return QImage(QString::fromStdString(std::string(CALVANE_DOSSIER_PAGES) + "/" + fichier));
}

TEST(ImagesPages, ChaqueSourceDonneSesDeuxImages) {
    const auto noms = pagesEcrites();
    ASSERT_FALSE(noms.empty());
    for (const std::string& nom : noms) {
        ASSERT_NE(entreeNommee(nom), nullptr) << nom;
        const std::string fichier = fichierImagePage(nom);
        const QImage simple = lire(fichier);
        const QImage double_ = lire(Timage::cheminDouble(fichier));
        ASSERT_FALSE(simple.isNull()) << fichier;
        EXPECT_EQ(simple.width(), largeurImagePage) << fichier;
        EXPECT_EQ(double_.size(), simple.size() * 2) << fichier;
        // Une page qui a le bouton « S'exercer » (gauche 662 dans la zone) ne passe pas dessous.
        if (entreeNommee(nom)->exercice != 0) {
            EXPECT_LE(origineImagePage(*entreeNommee(nom)).x + simple.width(), 662) << fichier;
        }
    }
}

TEST(ImagesPages, ChaqueZoneCliquableTombeSurSesMots) {
    for (const std::string& nom : pagesEcrites()) {
        const TentreePage& entree = *entreeNommee(nom);
        const QImage image = lire(fichierImagePage(nom));
        ASSERT_FALSE(image.isNull()) << nom;
        const TorigineImage o = origineImagePage(entree);
        for (const TzoneChaude& z : entree.zones) {
            int lien = 0;
            int autres = 0;
            std::string premiere; // la première autre encre trouvée, pour le message
            for (int y = z.y - hauteurZoneChaude; y <= z.y; ++y) {
                for (int x = z.x; x <= z.x + z.largeur; ++x) {
                    const int px = x - o.x;
                    const int py = y - o.y;
                    if (px < 0 || py < 0 || px >= image.width() || py >= image.height()) {
                        ++autres;
                        continue;
                    }
                    const QRgb p = image.pixel(px, py);
                    lien += encreDeLien(p) ? 1 : 0;
                    if (autreEncre(p)) {
                        if (autres++ == 0) {
                            premiere = " ; autre encre en (" + std::to_string(x) + ", " +
                                       std::to_string(y) + ") : " + QColor(p).name().toStdString();
                        }
                    }
                }
            }
            EXPECT_GE(lien, 30) << nom << " zone (" << z.x << ", " << z.y << ")";
            EXPECT_EQ(autres, 0) << nom << " zone (" << z.x << ", " << z.y << ")" << premiere;
        }
    }
}

// Sur une surface de densité 2, la zone peint l'image double à la même taille logique.
TEST_F(CoursEssai, ImageDoubleSurUnEcranDeDensiteDeux) {
    afficherPageCours(d, 1006);
    const QImage double_ = lire("Z0301SF1@2x.jpg");
    ASSERT_FALSE(double_.isNull());
    const TboitePeinture& boite = *d.zoneCours->boite;
    QImage surface(boite.largeur * 2, boite.hauteur * 2, QImage::Format_RGB32);
    surface.setDevicePixelRatio(2);
    {
        QPainter peintre(&surface);
        dessinerZone(*d.zoneCours, peintre);
    }
    int egaux = 0;
    int essais = 0;
    for (int y = 20; y < double_.height(); y += 37) {
        for (int x = 5; x < double_.width(); x += 23) {
            ++essais;
            egaux += surface.pixel(64 + x, 18 + y) == double_.pixel(x, y) ? 1 : 0;
        }
    }
    EXPECT_GT(egaux, essais * 9 / 10);
}

} // namespace
