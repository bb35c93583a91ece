#include "display/texte/symbole.h"
#include "tests/display/dessin.h"

#include <cmath>
#include <gtest/gtest.h>
#include <vector>

namespace {

// Les positions attendues supposent la police Times New Roman en 12 points :
// 16 pixels de hauteur (K = 8) ; Liberation Serif, métriquement compatible, la remplace.
TEST(Polices, DouzePointsFontSeizePixels) {
    QImage image = imageBlanche(10, 10);
    QPainter peintre(&image);
    Tcanevas canevas(peintre);
    canevas.definirTaillePolice(12);
    EXPECT_EQ(canevas.hauteurPolice(), 16);
    EXPECT_EQ(canevas.demiHauteur(), 8);
    EXPECT_EQ(canevas.largeurTexte(QStringLiteral(" ")), 4);
    canevas.definirNomPolice("Police absente du système");
    EXPECT_GT(canevas.largeurTexte(QStringLiteral("abc")), 0) << "repli sur une police présente";
}

struct CasTrait {
    const char* nom;
    const char* texte;
    std::vector<QPoint> allumes;
    std::vector<QPoint> eteints;
    int fin;
};

class Traits : public testing::TestWithParam<CasTrait> {};

// Texte posé en (10, 20), 12 points : chaque trait de la table des codes à son pixel.
TEST_P(Traits, PixelsEtPlume) {
    const CasTrait& c = GetParam();
    const Dessin d = dessiner(c.texte);
    for (const QPoint& p : c.allumes) {
        EXPECT_TRUE(encre(d.image, p.x(), p.y())) << "(" << p.x() << ", " << p.y() << ")";
    }
    for (const QPoint& p : c.eteints) {
        EXPECT_FALSE(encre(d.image, p.x(), p.y())) << "(" << p.x() << ", " << p.y() << ")";
    }
    EXPECT_EQ(d.finX, c.fin);
}

INSTANTIATE_TEST_SUITE_P(
    CodesDessines, Traits,
    testing::Values(
        // Un « - » du texte devient un trait de 6 pixels en y + K + 1 ; 9 pixels d'avance.
        CasTrait{"moins", "-", {{10, 29}, {15, 29}}, {{9, 29}, {16, 29}, {10, 28}, {10, 30}}, 19},
        CasTrait{"moinsAvantEspace", "- ", {{10, 29}}, {}, 22},
        // Croix après une espace : (x−1, y+7)→(x+5, y+13) et (x−1, y+12)→(x+5, y+6).
        CasTrait{"croix",
                 "*",
                 {{13, 27}, {18, 32}, {13, 32}, {18, 27}, {16, 30}},
                 {{19, 33}, {19, 26}, {12, 27}, {12, 32}},
                 22},
        // En fraction la croix descend d'un pixel ; barre en y + K + 1 jusqu'à la fin.
        CasTrait{"croixEnFraction",
                 "$F*;;",
                 {{13, 19}, {18, 24}, {13, 24}, {10, 29}, {21, 29}},
                 {{13, 18}, {22, 29}, {9, 29}},
                 22},
        CasTrait{"fleche", "$d", {{10, 31}, {22, 31}, {19, 31}}, {{24, 31}, {9, 31}, {10, 30}}, 26},
        CasTrait{"carre", "$Z", {{11, 29}, {16, 34}}, {{10, 29}, {17, 29}, {11, 28}, {11, 35}}, 20},
        CasTrait{"signe", "$f", {{10, 20}, {14, 33}}, {}, 20},
        CasTrait{"puce", "$z", {{12, 32}}, {{10, 32}, {15, 32}}, 16},
        CasTrait{"descente", "$D5-", {{10, 34}}, {{10, 29}}, 19},
        CasTrait{"montee", "$M3-", {{10, 26}}, {{10, 29}}, 19},
        // Racine vide : pied en y + 16, barre de (x+8, y) à la fin du texte (x + 10).
        CasTrait{"racine",
                 "$4$4",
                 {{10, 28}, {18, 20}, {19, 20}},
                 {{20, 20}, {17, 20}, {18, 19}, {14, 36}},
                 20},
        // Une racine qui contient une fraction : barre en y − 8, pied en y + 25.
        CasTrait{"racineDeFraction",
                 "$4$F;;$4",
                 {{10, 28}, {18, 12}, {19, 12}, {14, 44}},
                 {{20, 12}, {18, 11}, {14, 45}},
                 20},
        CasTrait{"racineAvecExposant", "$4$0$1$4", {{18, 15}, {19, 15}}, {{18, 14}, {20, 15}}, 20},
        CasTrait{"dollarFinal", "$", {}, {{10, 20}}, 10},
        CasTrait{"dollarDouble", "$$", {}, {{10, 20}}, 10},
        CasTrait{"codesInconnus", "$1$A$\u00e9$ ", {}, {}, 10}),
    [](const auto& info) { return std::string(info.param.nom); });

// Une fraction : numérateur en y − K − 1, dénominateur en y + K + 1, alignés à gauche en x,
// barre en y + K + 1 jusqu'à la partie la plus large.
TEST(Fraction, PartiesEtBarre) {
    const Dessin f = dessiner("$F2,5;2;");
    const Dessin num = dessiner("2,5", 10, 11);
    const Dessin den = dessiner("2", 10, 29);
    EXPECT_TRUE(memeRegion(f.image, num.image, QRect(0, 0, 800, 29)));
    EXPECT_TRUE(memeRegion(f.image, den.image, QRect(0, 30, 800, 70)));
    const int fin = 10 + largeur(QStringLiteral("2,5"));
    EXPECT_EQ(f.finX, fin);
    EXPECT_TRUE(encre(f.image, 10, 29));
    EXPECT_TRUE(encre(f.image, fin - 1, 29));
    EXPECT_FALSE(encre(f.image, fin, 29));
    EXPECT_FALSE(encre(f.image, 9, 29));
}

TEST(Fraction, DenominateurPlusLargeEtDecalages) {
    const Dessin f = dessiner("$F1;2,5 $* 100;");
    EXPECT_EQ(f.finX, dessiner("2,5 $* 100", 10, 29).finX);
    // Un dénominateur qui porte une racine descend de 4 pixels.
    const Dessin r = dessiner("$F1;$42$4;");
    EXPECT_TRUE(memeRegion(r.image, dessiner("$42$4", 10, 33).image, QRect(0, 30, 800, 70)));
    // « $W » : une partie qui contient une fraction s'éloigne de 2K + 2.
    const Dessin w = dessiner("$W$F1;2;\\3\\");
    EXPECT_TRUE(memeRegion(w.image, dessiner("$F1;2;", 10, 2).image, QRect(0, 0, 800, 29)));
    EXPECT_TRUE(memeRegion(w.image, dessiner("3", 10, 29).image, QRect(0, 30, 800, 70)));
}

// Exposant : deux points plus petit, en (x + 2, y − K + 2) ; la plume revient de 2 pixels.
TEST(Exposant, PositionEtTaille) {
    const Dessin e = dessiner("x\u00b2");
    QImage attendu = imageBlanche();
    {
        QPainter peintre(&attendu);
        Tcanevas canevas(peintre);
        double x = 10;
        dessinerTexteMarque(canevas, "x", x, 20, 0, 11, 12);
        x += 2;
        dessinerTexteMarque(canevas, "2", x, 14, 0, 11, 10);
    }
    EXPECT_TRUE(e.image == attendu);
    EXPECT_EQ(e.finX, 10 + largeur(QStringLiteral("x")) + largeur(QStringLiteral("2"), 10));
}

TEST(Indice, DeuxPointsPlusPetitSousLaLigne) {
    const Dessin i = dessiner("$2n$1");
    EXPECT_TRUE(i.image == dessiner("n", 10, 26, 10).image);
    EXPECT_EQ(i.finX, 10 + largeur(QStringLiteral("n"), 10));
}

TEST(Decorations, ChapeauEtVecteur) {
    const int w = largeur(QStringLiteral("ABC"));
    const Dessin a = dessiner("$3ABC$");
    EXPECT_TRUE(encre(a.image, 10, 22));
    EXPECT_TRUE(encre(a.image, 10 + w / 2 - 1, 17));
    EXPECT_TRUE(encre(a.image, 10 + w, 22));
    EXPECT_FALSE(encre(a.image, 10, 23));
    EXPECT_EQ(a.finX, 10 + w);
    const int v = largeur(QStringLiteral("AB"));
    const Dessin b = dessiner("$5AB$");
    EXPECT_TRUE(encre(b.image, 10, 19));
    EXPECT_TRUE(encre(b.image, 10 + v - 1, 19));
    EXPECT_FALSE(encre(b.image, 9, 19));
    EXPECT_TRUE(encre(b.image, 10 + v - 5, 17) || encre(b.image, 10 + v - 4, 17));
    EXPECT_EQ(b.finX, 10 + v);
    EXPECT_EQ(dessiner("$(").finX, 10 + largeur(QStringLiteral("("), 22));
}

TEST(Symbole, EquivalentsUnicode) {
    const std::vector<std::pair<char32_t, char32_t>> table{
        {0xB8, U'\u00F7'}, {0xB3, U'\u2265'}, {0xA3, U'\u2264'}, {0xB4, U'\u00D7'},
        {U'^', U'\u22A5'}, {0xB9, U'\u2260'}, {0xBB, U'\u2248'}, {U'p', U'\u03C0'},
        {U'a', U'\u03B1'}, {U'D', U'\u0394'}, {U'W', U'\u03A9'}, {0xB0, U'\u00B0'},
        {U'1', U'1'},      {U'+', U'+'},      {0x20AC, 0x20AC}};
    for (const auto& [code, unicode] : table) {
        EXPECT_EQ(unicodeDeSymbole(code), unicode) << static_cast<unsigned>(code);
    }
    EXPECT_EQ(dessiner("$~p").finX, 10 + largeur(QStringLiteral("\u03C0")) + 2);
    EXPECT_EQ(dessiner("$:").finX, 10 + largeur(QStringLiteral("\u00F7")) + 2);
}

// « Supégal » et « Infégal » montrent les deux caractères tapés ; « >= » montre ≥ ; dans une
// partie imbriquée, « Supégal » redevient ≥.
TEST(Substitutions, OrdreDesRegles) {
    EXPECT_TRUE(dessiner(">=").image == dessiner(" $~\u00b3 ").image);
    QImage litteral = imageBlanche();
    {
        QPainter peintre(&litteral);
        Tcanevas canevas(peintre);
        canevas.ecrire(10, 20, QStringLiteral(">="));
    }
    EXPECT_TRUE(dessiner("Sup\u00e9gal").image == litteral);
    EXPECT_TRUE(dessiner("$0Sup\u00e9gal$1").image == dessiner("$0 $~\u00b3 $1").image);
    EXPECT_TRUE(dessiner("perp()").image == dessiner("$~^").image);
}

TEST(EchangeDesMoins, TraitEtTiret) {
    const int wa = largeur(QStringLiteral("a"));
    const Dessin moins = dessiner("a-b");
    EXPECT_EQ(moins.finX, 10 + wa + 9 + largeur(QStringLiteral("b")));
    EXPECT_TRUE(encre(moins.image, 10 + wa, 29));
    EXPECT_TRUE(encre(moins.image, 10 + wa + 5, 29));
    const Dessin tiret = dessiner("a$-b");
    EXPECT_EQ(tiret.finX, 10 + largeur(QStringLiteral("a-b")));
}

// La largeur d'un texte simple compte trois espaces par croix : c'est l'avance dessinée.
TEST(LargeurTexteSimple, EgaleAvanceDessinee) {
    const std::string texte = "A = 3 * 5 * x * x = 15";
    QImage image = imageBlanche(10, 10);
    QPainter peintre(&image);
    Tcanevas canevas(peintre);
    canevas.definirTaillePolice(12);
    EXPECT_EQ(dessiner(texte).finX - 10, largeurTexteSimple(canevas, texte));
}

TEST(TableDesMetriques, ParTaille) {
    QImage image = imageBlanche(10, 10);
    QPainter peintre(&image);
    Tcanevas canevas(peintre);
    const std::vector<std::array<int, 3>> table{
        {8, 7, 10}, {14, 14, 18}, {24, 26, 45}, {12, 8, 15}, {11, 8, 15}};
    for (const auto& [taille, largeurCar, hauteur] : table) {
        canevas.definirTaillePolice(taille);
        EXPECT_EQ(largeurCaractere(canevas), largeurCar) << taille;
        EXPECT_EQ(hauteurLigne(canevas), hauteur) << taille;
    }
}

// Le gras choisi avant un exposant ne continue pas après : la partie imbriquée remet la
// police à zéro et rien ne la restaure.
TEST(EtatDeLaPolice, GrasPerduApresExposant) {
    QImage image = imageBlanche();
    QPainter peintre(&image);
    Tcanevas canevas(peintre);
    double x = 10;
    dessinerTexteMarque(canevas, "$gx", x, 20, 0, 11, 12);
    EXPECT_TRUE(canevas.gras());
    dessinerTexteMarque(canevas, "$gx$02$1y", x, 20, 0, 11, 12);
    EXPECT_FALSE(canevas.gras());
    EXPECT_EQ(canevas.taillePolice(), 12);
}

// Système : chaque ligne en (x + W, y0 + L·o), y0 le y donné (« $D » ne le déplace pas).
TEST(Systeme, LignesEtAccolade) {
    const Dessin s = dessiner("$s2\\1.1\\-0.7\\0,7\\x\\y$s");
    QImage attendu = imageBlanche();
    {
        QPainter peintre(&attendu);
        Tcanevas canevas(peintre);
        double x = 18;
        dessinerTexteMarque(canevas, "x", x, 10, 0, 11, 12);
        x = 18;
        dessinerTexteMarque(canevas, "y", x, 30, 0, 11, 12);
    }
    EXPECT_TRUE(memeRegion(s.image, attendu, QRect(16, 0, 784, 100)));
    EXPECT_FALSE(regionBlanche(s.image, QRect(10, 12, 3, 36))) << "accolade";
    EXPECT_EQ(s.finX, 18 + std::max(largeur(QStringLiteral("x")), largeur(QStringLiteral("y"))));
    const Dessin d = dessiner("$D5$s1\\1\\0\\x$s");
    EXPECT_TRUE(memeRegion(d.image, dessiner("x", 18, 20).image, QRect(16, 0, 784, 100)));
}

TEST(Systeme, AuPlusQuatreLignes) {
    const Dessin s = dessiner("$s5\\1\\-1\\0\\0\\0\\3\\a\\b\\c\\d\\e$s");
    EXPECT_FALSE(regionBlanche(s.image, QRect(16, 0, 100, 45)));
    EXPECT_TRUE(regionBlanche(s.image, QRect(16, 60, 100, 40))) << "la cinquième ligne";
}

class Liens : public testing::Test {
protected:
    const int debut = 10 + largeur(QStringLiteral("Voir "));
    const int fin = debut + largeur(QStringLiteral("la page"));
    static constexpr QRgb vert = 0xFF00FF00;
    static bool contientVert(const QImage& image) {
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                if (image.pixel(x, y) == vert) {
                    return true;
                }
            }
        }
        return false;
    }
};

// Le rectangle d'un lien : (x − 1, y)–(fin + 2, y + hauteur du texte + 2), rempli de la
// couleur de surbrillance pour une page de cours.
TEST_F(Liens, RectangleInscritEtSurligne) {
    const Dessin d = dessiner("Voir $LC02_SF3;la page;", 10, 20, 12, true);
    ASSERT_EQ(d.liste.nombre, 1);
    const TzoneCliquable& z = d.liste.zones[0];
    EXPECT_EQ(z.cible, 1018);
    EXPECT_EQ(z.bordGauche, debut - 1);
    EXPECT_EQ(z.bordHaut, 20);
    EXPECT_EQ(z.bordDroit, fin + 2);
    EXPECT_EQ(z.bordBas, 20 + hauteurTexte() + 2);
    EXPECT_EQ(d.finX, fin);
    EXPECT_EQ(d.image.pixel(debut - 1, 20), vert);
    EXPECT_EQ(d.image.pixel(fin + 1, z.bordBas - 1), vert);
    EXPECT_NE(d.image.pixel(fin + 2, 20), vert);
    EXPECT_NE(d.image.pixel(debut - 2, 20), vert);
    EXPECT_NE(d.image.pixel(debut, 19), vert);
}

TEST_F(Liens, FicheSouligneeSansSurbrillance) {
    const Dessin d = dessiner("Voir $LPdivid;la page;", 10, 20, 12, true);
    ASSERT_EQ(d.liste.nombre, 1);
    EXPECT_EQ(d.liste.zones[0].cible, 2876);
    EXPECT_FALSE(contientVert(d.image));
    EXPECT_FALSE(dessiner("Voir $LPdivid;la page;").image == d.image) << "souligné";
}

TEST_F(Liens, SansCibleNiListeRienNEstInscrit) {
    for (const char* texte : {"Voir $LXdivid;la page;", "Voir $LEdivid;la page;",
                              "Voir $LC02_SF9;la page;", "Voir $L;la page;"}) {
        const Dessin d = dessiner(texte, 10, 20, 12, true);
        EXPECT_EQ(d.liste.nombre, 0) << texte;
        EXPECT_FALSE(contientVert(d.image)) << texte;
        EXPECT_EQ(d.finX, fin) << texte;
    }
    const Dessin horsZone = dessiner("Voir $LC02_SF3;la page;");
    EXPECT_EQ(horsZone.liste.nombre, 0);
    EXPECT_FALSE(contientVert(horsZone.image));
}

TEST_F(Liens, VingtEtUnLiensDansUneLigne) {
    std::string texte;
    for (int i = 0; i < 21; ++i) {
        texte += "$LC02_SF3;ab;";
    }
    const Dessin d = dessiner(texte, 10, 20, 12, true);
    EXPECT_EQ(d.liste.nombre, TzonesCliquables::capacite);
    const int pas = largeur(QStringLiteral("ab"));
    EXPECT_EQ(d.image.pixel(9 + 19 * pas, 20), vert);
    EXPECT_NE(d.image.pixel(10 + 20 * pas + 3, 20), vert) << "le 21e lien n'est pas surligné";
}

// Textes hostiles : tout se dessine sans plantage ni lecture hors limites, la plume reste
// finie et les drapeaux sont nets après l'appel.
struct CasHostile {
    const char* nom;
    std::string texte;
};

std::string repeter(const std::string& motif, std::size_t fois) {
    std::string s;
    for (std::size_t i = 0; i < fois; ++i) {
        s += motif;
    }
    return s;
}

class Hostile : public testing::TestWithParam<CasHostile> {};

TEST_P(Hostile, SeDessineSansPlanter) {
    const Dessin d = dessiner(GetParam().texte, 10, 20, 12, true);
    EXPECT_TRUE(std::isfinite(d.finX));
    EXPECT_LE(std::abs(d.finX), 1.0e6);
    EXPECT_LE(d.liste.nombre, TzonesCliquables::capacite);
    EXPECT_FALSE(enFraction);
    EXPECT_FALSE(imbrique);
}

INSTANTIATE_TEST_SUITE_P(
    Textes, Hostile,
    testing::Values(
        CasHostile{"fractionTronquee", "$F1;"}, CasHostile{"fractionSansRien", "$F"},
        CasHostile{"lienTronque", "$L"}, CasHostile{"lienSansTexte", "$LC02_SF3;"},
        CasHostile{"systemeTronque", "$s2\\1"}, CasHostile{"systemeVide", "$s$s"},
        CasHostile{"dollarSeul", "$"}, CasHostile{"symboleFinal", "$~"},
        CasHostile{"descenteFinale", "$D"}, CasHostile{"descenteNonChiffre", "$Dx$Mé"},
        CasHostile{"codeInconnu", "$\u00e4$\u20ac$\x7f"},
        CasHostile{"utf8Invalide", "\xff\xfe$F\xc3;\x80;$L\xe2\x82;\xf0;$~\xc3"},
        CasHostile{"dixMilleCaracteres", repeter("x$F1;2;$02$1$44$4 * -$W1\\2\\", 400)},
        CasHostile{"dixMilleDollars", repeter("$", 10000)},
        CasHostile{"exposantsImbriques", repeter("$0", 5000)},
        CasHostile{"fractionsImbriquees", repeter("$W", 5000)},
        CasHostile{"racinesImbriquees", repeter("$4$0", 2500)},
        CasHostile{"tailleCroissante", repeter("$>", 5000) + "x$(x"},
        CasHostile{"tailleDecroissante", repeter("$<", 5000) + "x$(x"},
        CasHostile{"systemeCinqLignes", "$s5\\1\\0\\1\\2\\3\\4\\a\\b\\c\\d\\e$s"},
        CasHostile{"systemeNombresDemesures", "$s999999999\\1e308\\1e308\\$-9e99\\a\\b$s"},
        CasHostile{"systemeNegatif", "$s-3\\-1\\x\\y$s"},
        CasHostile{"systemeParenthesesOuvertes", "$s2\\1\\((\\0\\a\\b$s"},
        CasHostile{"systemeDansSysteme", "$s1\\1\\0\\$s1\\1\\0\\x$s$s"},
        CasHostile{"vingtEtUnLiens", repeter("$LC02_SF3;a;", 21)},
        CasHostile{"partiesTropLongues", "$F" + repeter("x", 500) + ";" + repeter("y", 500)},
        CasHostile{"indiceEtChapeauSansFin", "$2abc$3def$5ghi"}),
    [](const auto& info) { return std::string(info.param.nom); });

} // namespace
