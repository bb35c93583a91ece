#include "ui/plateformeqt.h"
#include "ui/traductionqt.h"

#include "core/controles/minuterie.h"
#include "display/zones/boitepeinture.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

TEST(PlateformeQt, LaQuestionOuiNonParleFrancais) {
    ASSERT_TRUE(installerTraductionQt()) << "traduction de Qt installée (qt6-translations-l10n)";
    QMessageBox boite(QMessageBox::Question, QStringLiteral("Confirmation"), QStringLiteral("?"),
                      QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(boite.button(QMessageBox::Yes)->text().remove(QLatin1Char('&')),
              QStringLiteral("Oui"));
    EXPECT_EQ(boite.button(QMessageBox::No)->text().remove(QLatin1Char('&')),
              QStringLiteral("Non"));
}

TEST(PlateformeQt, SonAbsentMuetEtSansErreur) {
    TplateformeQt p(nullptr);
    EXPECT_FALSE(p.ouvrirSon("/nulle/part/erreur.wav"));
    EXPECT_FALSE(p.ouvrirSon(""));
    p.jouerSon("/nulle/part/erreur.wav");
}

TEST(PlateformeQt, LesDeuxBipsSontCourtsEtDistincts) {
    const QByteArray main = TplateformeQt::echantillonsBip(Bip::Main);
    const QByteArray question = TplateformeQt::echantillonsBip(Bip::Question);
    EXPECT_FALSE(main.isEmpty());
    EXPECT_FALSE(question.isEmpty());
    EXPECT_NE(main, question);
    // 16 bits mono à 22 050 Hz : moins d'un tiers de seconde chacun.
    EXPECT_LT(main.size(), 22050 * 2 / 3);
    EXPECT_LT(question.size(), 22050 * 2 / 3);
}

TEST(PlateformeQt, MinuterieTiqueEtSArrete) {
    TplateformeQt p(nullptr);
    Tminuterie m;
    m.intervalle = 5;
    int tics = 0;
    p.surTic = [&](Tminuterie& t) {
        EXPECT_EQ(&t, &m);
        ++tics;
    };
    p.demarrerMinuterie(m);
    EXPECT_TRUE(m.actif);
    EXPECT_TRUE(QTest::qWaitFor([&] { return tics >= 2; }, 2000));
    p.arreterMinuterie(m);
    EXPECT_FALSE(m.actif);
    const int arretes = tics;
    QTest::qWait(30);
    EXPECT_EQ(tics, arretes);
}

TEST(PlateformeQt, LaBoiteSuitLaGeometrieDeSonWidget) {
    QWidget parent;
    auto* widget = new QWidget(&parent);
    widget->setGeometry(10, 20, 30, 40);
    TboitePeinture liee;
    TboitePeinture inconnue;
    inconnue.largeur = 7;
    inconnue.hauteur = 8;
    TplateformeQt p(nullptr);
    p.lierBoite(liee, widget);
    EXPECT_EQ(p.rectangleBoite(liee), (Trectangle{10, 20, 30, 40}));
    p.placerBoite(liee, {50, 60, 70, 80});
    EXPECT_EQ(widget->geometry(), QRect(50, 60, 70, 80));
    EXPECT_EQ(p.rectangleBoite(liee), (Trectangle{50, 60, 70, 80}));
    EXPECT_EQ(p.rectangleBoite(inconnue), (Trectangle{0, 0, 7, 8})) << "inconnue : sa taille";
    p.placerBoite(inconnue, {1, 2, 3, 4});
}
