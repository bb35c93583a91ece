// Traits fins sur une surface à 200 % : chaque pixel logique du tracé à 100 % devient un
// carré plein de 2 × 2 pixels de l'écran, sans trou ni pixel de trop — un trait n'est jamais
// pointillé, quel que soit son sens.

#include "display/texte/canevas.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <set>
#include <utility>

namespace {

using Tpixels = std::set<std::pair<int, int>>;

// Les pixels noirs de l'image.
Tpixels encre(const QImage& image) {
    Tpixels vus;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qGray(image.pixel(x, y)) < 128) {
                vus.insert({x, y});
            }
        }
    }
    return vus;
}

struct TcasTrait {
    const char* nom;
    int forme; // 0 ligne, 1 rectangle, 2 ellipse
    int x1, y1, x2, y2;
};

class TraitsAgrandis : public testing::TestWithParam<TcasTrait> {};

QImage tracer(const TcasTrait& c, double rapport) {
    const int cote = 48;
    QImage image(static_cast<int>(cote * rapport), static_cast<int>(cote * rapport),
                 QImage::Format_RGB32);
    image.setDevicePixelRatio(rapport);
    image.fill(Qt::white);
    QPainter peintre(&image);
    Tcanevas canevas(peintre);
    canevas.definirCrayon(0x000000);
    canevas.pinceauVide();
    if (c.forme == 0) {
        canevas.ligne(c.x1, c.y1, c.x2, c.y2);
    } else if (c.forme == 1) {
        canevas.rectangle(c.x1, c.y1, c.x2, c.y2);
    } else {
        canevas.ellipse(c.x1, c.y1, c.x2, c.y2);
    }
    return image;
}

TEST_P(TraitsAgrandis, ChaquePixelDuTraceEstUnCarrePlein) {
    const TcasTrait& c = GetParam();
    const Tpixels simples = encre(tracer(c, 1));
    const Tpixels doubles = encre(tracer(c, 2));
    ASSERT_FALSE(simples.empty());
    if (c.forme == 2) {
        // Une ellipse est rastérisée à sa résolution : on demande seulement un bord épais de
        // deux pixels de l'écran, jamais un pixel isolé.
        for (const auto& [x, y] : doubles) {
            const bool voisin = doubles.count({x + 1, y}) || doubles.count({x - 1, y}) ||
                                doubles.count({x, y + 1}) || doubles.count({x, y - 1});
            EXPECT_TRUE(voisin) << "pixel isolé en " << x << ", " << y;
        }
        return;
    }
    const bool oblique = c.forme == 0 && c.x1 != c.x2 && c.y1 != c.y2;
    if (oblique) {
        // Une oblique est tracée à la résolution de l'écran : dans chaque colonne (ou rangée,
        // si elle est raide) qu'elle traverse, au moins deux pixels de l'écran sont allumés.
        const bool raide = std::abs(c.y2 - c.y1) > std::abs(c.x2 - c.x1);
        const int debut = 2 * std::min(raide ? c.y1 : c.x1, raide ? c.y2 : c.x2) + 2;
        const int fin = 2 * std::max(raide ? c.y1 : c.x1, raide ? c.y2 : c.x2);
        for (int k = debut; k < fin; ++k) {
            int allumes = 0;
            for (const auto& [x, y] : doubles) {
                allumes += (raide ? y : x) == k ? 1 : 0;
            }
            EXPECT_GE(allumes, 2) << c.nom << " : trou en " << k;
        }
        return;
    }
    // Les lignes d'équerre et les rectangles couvrent exactement les carrés de leurs pixels
    // logiques.
    for (const auto& [x, y] : simples) {
        int allumes = 0;
        for (const auto& d : {std::pair{0, 0}, {1, 0}, {0, 1}, {1, 1}}) {
            allumes += doubles.count({2 * x + d.first, 2 * y + d.second}) ? 1 : 0;
        }
        EXPECT_EQ(allumes, 4) << c.nom << " : carré du pixel " << x << ", " << y;
    }
    EXPECT_EQ(doubles.size(), 4 * simples.size()) << c.nom << " : rien hors du tracé";
}

INSTANTIATE_TEST_SUITE_P(
    Canevas, TraitsAgrandis,
    testing::Values(TcasTrait{"horizontale", 0, 3, 5, 40, 5},
                    TcasTrait{"horizontale_inverse", 0, 40, 9, 3, 9},
                    TcasTrait{"verticale", 0, 7, 2, 7, 44}, TcasTrait{"oblique", 0, 2, 3, 41, 30},
                    TcasTrait{"raide", 0, 30, 44, 22, 1}, TcasTrait{"un_pixel", 0, 4, 4, 5, 4},
                    TcasTrait{"rectangle", 1, 4, 6, 40, 30}, TcasTrait{"ellipse", 2, 4, 6, 40, 30}),
    [](const auto& info) { return std::string(info.param.nom); });

} // namespace
