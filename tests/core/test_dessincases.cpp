#include "core/donneescommunes.h"
#include "core/exercice/cases.h"
#include "display/texte/canevas.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

#include <memory>

namespace {

// Le dessin des étiquettes demande une application Qt (polices), sur la plateforme hors
// écran.
class ApplicationQt : public testing::Test {
protected:
    static void SetUpTestSuite() {
        if (QGuiApplication::instance() == nullptr) {
            if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
                qputenv("QT_QPA_PLATFORM", "offscreen");
            }
            application = std::make_unique<QGuiApplication>(argc, argv);
        }
    }
    static void TearDownTestSuite() { application.reset(); }

    QImage dessiner(const TdonneesCommunes& d) {
        QImage image(700, 300, QImage::Format_RGB32);
        image.fill(0x123456);
        QPainter peintre(&image);
        Tcanevas canevas(peintre);
        dessinerCases(d, canevas);
        return image;
    }

    static QRgb couleurAuCentre(const QImage& image, const TcaseChoix& c) {
        return image.pixel(static_cast<int>(c.xGauche) + 20, static_cast<int>(c.yHaut) + 4) &
               0xFFFFFF;
    }

    static inline int argc = 1;
    static inline char nom[] = "tests_noyau";
    static inline char* argv[] = {nom, nullptr};
    static inline std::unique_ptr<QGuiApplication> application;
};

using DessinCases = ApplicationQt;

TEST_F(DessinCases, CouleursSelonLEtat) {
    TdonneesCommunes d;
    disposerCases(d, 1, 3, 600, 40);
    ajouterCase(d, 1, "un", 1);
    d.cases[2].choisie = true;
    d.choixUnique = true;
    d.caseJuste = 3;
    QImage image = dessiner(d);
    EXPECT_EQ(couleurAuCentre(image, d.cases[1]), 0xFFFFFFu);
    EXPECT_EQ(couleurAuCentre(image, d.cases[2]), 0xFFFF80u);
    EXPECT_EQ(couleurAuCentre(image, d.cases[3]), 0xFFFFFFu) << "question encore ouverte";
    EXPECT_EQ(image.pixel(5, 5) & 0xFFFFFF, 0x123456u) << "rien hors des cases";

    d.questionTerminee = true;
    image = dessiner(d);
    EXPECT_EQ(couleurAuCentre(image, d.cases[3]), 0x00FF00u) << "la bonne case montrée";

    // Le texte de l'étiquette est dessiné en noir près du centre de la case 1.
    const TcaseChoix& c = d.cases[1];
    int noirs = 0;
    for (int x = static_cast<int>(c.xGauche) + 1; x < static_cast<int>(c.xDroite) - 1; ++x) {
        for (int y = static_cast<int>(c.yHaut) + 3; y < static_cast<int>(c.yBas) - 3; ++y) {
            noirs += qGray(image.pixel(x, y)) < 100 ? 1 : 0;
        }
    }
    EXPECT_GT(noirs, 10);

    d.cases[1].active = false;
    image = dessiner(d);
    EXPECT_EQ(couleurAuCentre(image, d.cases[1]), 0x123456u) << "case inactive non dessinée";
}

} // namespace
