#include "display/zones/boitepeinture.h"
#include "display/zones/objetcadre.h"
#include "display/zones/objettexte.h"
#include "display/zones/zoneaffichage.h"
#include "tests/display/dessin.h"
#include "tests/display/zoneessai.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <vector>

namespace {

// Un point de figure réduit à l'essentiel, pour éprouver la peinture des points par-dessus
// et la saisie à la souris sans les figures.
class PointEssai : public TobjetZone {
public:
    PointEssai(double x, double y) : TobjetZone(1, Tclasse::point), x(x), y(y) { mobile = true; }
    void peindre(Tcanevas& canevas, TzoneAffichage& zone) override {
        canevas.remplir(xEcran(zone, x) - 2, yEcran(zone, y) - 2, xEcran(zone, x) + 3,
                        yEcran(zone, y) + 3, 0xFF0000);
    }
    bool positionEcran(const TzoneAffichage& zone, int& px, int& py) const override {
        px = xEcran(zone, x);
        py = yEcran(zone, y);
        return true;
    }
    // Retient la zone et compte les glissers que la souris lui adresse.
    void glisser(TzoneAffichage& zone) override {
        vue = &zone;
        ++deplacements;
    }
    double x;
    double y;
    TzoneAffichage* vue = nullptr;
    int deplacements = 0;
};

// Un aplat bleu qui couvre toute la zone.
class AplatEssai : public TobjetZone {
public:
    AplatEssai() : TobjetZone(16, Tclasse::polygone) {}
    void peindre(Tcanevas& canevas, TzoneAffichage& zone) override {
        canevas.remplir(0, 0, zone.largeur, zone.hauteur, 0x0000FF);
    }
};

class Zone : public ZoneEssai {
protected:
    Zone() : ZoneEssai(456, 290) {
        boite.couleur = 0xFFFFFF;
        boite.repeindre = [this] { ++dessins; };
        boite.changerCurseur = [this](Tcurseur c) { curseur = c; };
    }

    int dessins = 0;
    Tcurseur curseur = Tcurseur::defaut;
};

TEST_F(Zone, VueParDefaut) {
    EXPECT_EQ(zone->largeur, 456);
    EXPECT_EQ(zone->hauteur, 290);
    EXPECT_DOUBLE_EQ(zone->origineX, 228);
    EXPECT_DOUBLE_EQ(zone->origineY, 145);
    EXPECT_DOUBLE_EQ(zone->echelle, 29);
    EXPECT_EQ(yEcran(*zone, 1), 116);
    EXPECT_EQ(xEcran(*zone, 1), 257);
    EXPECT_DOUBLE_EQ(xReel(*zone, 257), 1);
    EXPECT_DOUBLE_EQ(yReel(*zone, 116), 1);
    EXPECT_DOUBLE_EQ(zone->xMin, -228.0 / 29);
    EXPECT_DOUBLE_EQ(zone->yMax, 145.0 / 29);
    EXPECT_TRUE(zone->fond);
    EXPECT_FALSE(zone->figee);
    EXPECT_EQ(zone->repere.couleurAxes, 0xFF0000u);
}

// Les conversions vers les pixels arrondissent les égalités vers le pair.
TEST_F(Zone, ArrondiAuPair) {
    zone->origineX = 0;
    zone->origineY = 0;
    zone->echelle = 1;
    const std::vector<std::pair<double, int>> table{{0.5, 0},  {1.5, 2},   {2.5, 2},
                                                    {-0.5, 0}, {-1.5, -2}, {2.4999, 2}};
    for (const auto& [monde, pixel] : table) {
        EXPECT_EQ(xEcran(*zone, monde), pixel) << monde;
        EXPECT_EQ(yEcran(*zone, -monde), pixel) << monde;
    }
    zone->echelle = 14.5;
    bornesZone(*zone);
    EXPECT_DOUBLE_EQ(zone->xMax, 456 / 14.5);
}

// ecrire(zone, texte, 14, 1) : bord gauche à 112 + 8 × marge, haut à (1 − 0.5) × 18 = 9.
TEST_F(Zone, EcrirePlaceLeTexte) {
    const int i = ecrire(*zone, "Calculer $F1;2;", 14, 1);
    auto* t = dynamic_cast<Ttexte*>(zone->objet(i));
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(t->nom, "texte1");
    EXPECT_DOUBLE_EQ(t->x, 112);
    EXPECT_DOUBLE_EQ(t->y, 9);
    zone->marge = 2;
    auto* l = dynamic_cast<Ttexte*>(zone->objet(ecrireLigne(*zone, "x", 3)));
    ASSERT_NE(l, nullptr);
    EXPECT_EQ(l->nom, "texte2");
    EXPECT_DOUBLE_EQ(l->x, 32);
    EXPECT_DOUBLE_EQ(l->y, 45);
    cacherObjet(*zone, "texte2");

    QImage attendu = imageBlanche(456, 290);
    {
        QPainter peintre(&attendu);
        Tcanevas canevas(peintre);
        double x = 112;
        dessinerTexteMarque(canevas, "Calculer $F1;2;", x, 9, 0, 11, 12);
    }
    EXPECT_TRUE(peindre() == attendu);
    EXPECT_DOUBLE_EQ(t->xFin,
                     112 + largeur(QStringLiteral("Calculer ")) + largeur(QStringLiteral("1")));
}

TEST_F(Zone, ObjetsNommes) {
    ecrireTexte(*zone, "a", 0, 0, 0);
    ajouterObjet(*zone, "[AB]", 3);
    ajouterObjet(*zone, "[AB]", 3);
    EXPECT_EQ(indiceObjet(*zone, "[AB]"), 2) << "le premier des homonymes";
    EXPECT_EQ(indiceObjet(*zone, "[ab]"), 0);
    EXPECT_EQ(indiceObjet(*zone, "absent"), 0);
    changerCouleur(*zone, "absent", 0xFF0000);
    changerTaille(*zone, "[AB]", 7);
    changerRemplissage(*zone, "[AB]", 3);
    changerCouleur(*zone, "[AB]", 0x00FF00);
    EXPECT_EQ(zone->objet(2)->taille, 7);
    EXPECT_EQ(zone->objet(2)->remplissage, 3);
    EXPECT_EQ(zone->objet(2)->couleur, 0x00FF00u);
    EXPECT_EQ(zone->objet(3)->taille, 11);
    const std::string long25 = "abcdefghijklmnopqrstuvwxy";
    const int i = ajouterObjet(*zone, long25, 7);
    EXPECT_EQ(zone->objet(i)->nom, "abcdefghijklmnopqrst");
    EXPECT_EQ(indiceObjet(*zone, long25), i);
    EXPECT_EQ(ajouterObjet(*zone, "genreInconnu", 99), 0);
    EXPECT_EQ(ajouterObjet(*zone, "genreJamaisCree", 24), 0);
    EXPECT_EQ(zone->objet(0), nullptr);
    EXPECT_EQ(zone->objet(zone->nombreObjets() + 1), nullptr);
}

TEST_F(Zone, SixCentCinquanteObjetsAuPlus) {
    for (int i = 0; i < TzoneAffichage::objetsMaximum; ++i) {
        ASSERT_EQ(ecrire(*zone, "x", 0, 1), i + 1);
    }
    EXPECT_EQ(ecrire(*zone, "de trop", 0, 1), 0);
    EXPECT_EQ(ajouterCadre(*zone, 2, 0, 0, 1, 1), 0);
    EXPECT_EQ(ajouterImage(*zone, "absente.jpg", 0, 0), 0);
    EXPECT_EQ(zone->nombreObjets(), TzoneAffichage::objetsMaximum);
    peindre();
    viderZone(*zone);
    EXPECT_EQ(zone->nombreObjets(), 0);
    EXPECT_EQ(ecrire(*zone, "x", 0, 1), 1);
}

TEST_F(Zone, EntiersEnTexte) {
    zone->entiers[12] = -42;
    EXPECT_EQ(texteEntierZone(*zone, 12), "-42");
    EXPECT_EQ(texteEntierZone(*zone, 0), "0");
    EXPECT_EQ(texteEntierZone(*zone, 13), "0");
    EXPECT_EQ(texteEntierZone(*zone, -1), "0");
}

struct CasCadre {
    const char* nom;
    int (*ajouter)(TzoneAffichage&);
    TzoneCliquable attendue;
};

class CadresCliquables : public Zone, public testing::WithParamInterface<CasCadre> {};

// Les liens et boutons inscrivent leur zone à chaque dessin, et seulement tant qu'ils sont
// dans la zone.
TEST_P(CadresCliquables, InscritALaPeinture) {
    const CasCadre& c = GetParam();
    ASSERT_NE(c.ajouter(*zone), 0);
    EXPECT_EQ(zone->zonesCliquables.nombre, 0);
    for (int fois = 0; fois < 2; ++fois) {
        peindre();
        ASSERT_EQ(zone->zonesCliquables.nombre, 1);
        const TzoneCliquable& z = zone->zonesCliquables.zones[0];
        EXPECT_EQ(z.bordGauche, c.attendue.bordGauche);
        EXPECT_EQ(z.bordHaut, c.attendue.bordHaut);
        EXPECT_EQ(z.bordDroit, c.attendue.bordDroit);
        EXPECT_EQ(z.bordBas, c.attendue.bordBas);
        EXPECT_EQ(z.cible, c.attendue.cible);
    }
    EXPECT_EQ(zoneSousPoint(zone->zonesCliquables, c.attendue.bordGauche, c.attendue.bordBas),
              c.attendue.cible);
    viderZone(*zone);
    peindre();
    EXPECT_EQ(zoneSousPoint(zone->zonesCliquables, c.attendue.bordGauche, c.attendue.bordBas), 0);
}

INSTANTIATE_TEST_SUITE_P(Styles, CadresCliquables,
                         testing::Values(
                             // Bouton d'aide : colonne 44, 2,7 colonnes × 1,2 ligne, cible 1997.
                             CasCadre{"aide",
                                      [](TzoneAffichage& z) { return ajouterBoutonAide(z, 30); },
                                      {352, 30, 374, 52, 1997}},
                             CasCadre{"aideAvecMarge",
                                      [](TzoneAffichage& z) {
                                          z.marge = 1;
                                          return ajouterBoutonAide(z, 30);
                                      },
                                      {360, 30, 382, 52, 1997}},
                             CasCadre{"bouton",
                                      [](TzoneAffichage& z) {
                                          return ajouterBoutonLien(z, 1018, "Cours", 100, 200, 80);
                                      },
                                      {100, 200, 180, 223, 1018}},
                             // Lien souligné : la zone monte de 18 pixels au-dessus du trait.
                             CasCadre{"soulignement",
                                      [](TzoneAffichage& z) {
                                          return ajouterZoneLien(z, 50, 100, 60, 2876);
                                      },
                                      {50, 82, 110, 100, 2876}}),
                         [](const auto& info) { return std::string(info.param.nom); });

TEST_F(Zone, CadresSansZoneCliquable) {
    EXPECT_EQ(ajouterCadreEnonce(*zone, 40, 5), 1);
    EXPECT_EQ(ajouterCadreTexte(*zone, 7, 40, 3), 2);
    auto* enonce = dynamic_cast<Tcadre*>(zone->objet(1));
    ASSERT_NE(enonce, nullptr);
    EXPECT_EQ(enonce->nom, "cadreSt1");
    EXPECT_EQ(enonce->styleCadre, 6);
    EXPECT_DOUBLE_EQ(enonce->x, 8);
    EXPECT_DOUBLE_EQ(enonce->y, 0.2 * 18);
    EXPECT_DOUBLE_EQ(enonce->largeurCadre, 320);
    EXPECT_DOUBLE_EQ(enonce->hauteurCadre, 90);
    for (int style : {1, 2, 13, 3}) {
        ajouterCadre(*zone, style, 1, 12, 10, 2);
    }
    const QImage image = peindre();
    EXPECT_EQ(zone->zonesCliquables.nombre, 0);
    // Onglet « Énoncé » plein en #109102, boîte blanche bordée de la même teinte.
    EXPECT_EQ(image.pixel(9, 5), qRgb(0x10, 0x91, 0x02));
    EXPECT_EQ(image.pixel(8, 40), qRgb(0x10, 0x91, 0x02));
    EXPECT_EQ(image.pixel(100, 60), qRgb(0xFF, 0xFF, 0xFF));
    EXPECT_EQ(image.pixel(2, 7 * 18 + 5), qRgb(0x00, 0xB2, 0xF6));
}

// La liste des zones cliquables : bords inclus, première entrée qui contient le point,
// vingt entrées au plus.
TEST(ListeZonesCliquables, PremiereEntreeEtLimite) {
    TzonesCliquables liste;
    viderZonesCliquables(liste, 0xFFFFFF);
    EXPECT_EQ(ajouterZoneCliquable(liste, 11, 10, 10, 20, 20), 1);
    EXPECT_EQ(ajouterZoneCliquable(liste, 22, 15, 15, 30, 30), 2);
    const std::vector<std::array<int, 3>> table{{10, 10, 11}, {20, 20, 11}, {15, 15, 11},
                                                {21, 21, 22}, {30, 30, 22}, {31, 30, 0},
                                                {9, 10, 0},   {10, 9, 0}};
    for (const auto& [x, y, cible] : table) {
        EXPECT_EQ(zoneSousPoint(liste, x, y), cible) << x << ", " << y;
    }
    for (int i = 3; i <= TzonesCliquables::capacite; ++i) {
        EXPECT_EQ(ajouterZoneCliquable(liste, i, 100, 100, 110, 110), i);
    }
    EXPECT_EQ(ajouterZoneCliquable(liste, 99, 0, 0, 500, 500), 0);
    EXPECT_EQ(liste.nombre, TzonesCliquables::capacite);
    EXPECT_EQ(zoneSousPoint(liste, 400, 400), 0);
    liste.couleurSurbrillance = 0x123456;
    viderZonesCliquables(liste, 1);
    EXPECT_EQ(liste.nombre, 0);
    EXPECT_EQ(liste.couleurSurbrillance, 0x123456u);
    viderZonesCliquables(liste, 0xC0C0C0);
    EXPECT_EQ(liste.couleurSurbrillance, 0x00FF00u);
}

TEST_F(Zone, VingtEtUnLiensDansUneZone) {
    for (int i = 0; i < 21; ++i) {
        ecrire(*zone, "$LPdivid;fiche;", 0, i + 1);
    }
    peindre();
    EXPECT_EQ(zone->zonesCliquables.nombre, TzonesCliquables::capacite);
    EXPECT_EQ(zoneSousPoint(zone->zonesCliquables, 5, 20 * 18 + 12), 0);
    EXPECT_EQ(zoneSousPoint(zone->zonesCliquables, 5, 20 * 18), 2876);
    EXPECT_EQ(listeCourante(), nullptr) << "plus de liste courante hors dessin";
}

// Les points sont peints après tous les autres objets, même créés avant ; un point caché
// n'est ni peint ni saisissable.
TEST_F(Zone, PointsParDessus) {
    ajouterObjet(*zone, "A", std::make_unique<PointEssai>(0, 0));
    ajouterObjet(*zone, "B", std::make_unique<PointEssai>(2, 0));
    ajouterObjet(*zone, "aplat", std::make_unique<AplatEssai>());
    cacherObjet(*zone, "B");
    const QImage image = peindre();
    EXPECT_EQ(image.pixel(228, 145), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(228 + 58, 145), qRgb(0, 0, 255));
    EXPECT_EQ(pointSousSouris(*zone, 228 + 58, 145), 0);
    montrerObjet(*zone, "B");
    EXPECT_EQ(pointSousSouris(*zone, 228 + 58, 145), 2);
}

TEST_F(Zone, SaisieALaSouris) {
    ajouterObjet(*zone, "A", std::make_unique<PointEssai>(0, 0));
    ajouterObjet(*zone, "B", std::make_unique<PointEssai>(0.1, 0));
    ajouterObjet(*zone, "C", std::make_unique<PointEssai>(3, 0));
    zone->objet(3)->mobile = false;
    // Deux points superposés : le premier créé l'emporte ; distance strictement sous 10.
    EXPECT_EQ(pointSousSouris(*zone, 231, 145), 1);
    EXPECT_EQ(pointSousSouris(*zone, 228 - 6, 145 - 8), 0);
    EXPECT_EQ(pointSousSouris(*zone, 228 + 3 * 29, 145), 0) << "point fixe";

    const auto& a = static_cast<const PointEssai&>(*zone->objet(1));
    const auto& b = static_cast<const PointEssai&>(*zone->objet(2));
    sourisZone(*zone, 230, 146, 1);
    EXPECT_EQ(zone->objetSaisi, 1);
    sourisZone(*zone, 257, 116, 3);
    EXPECT_EQ(a.deplacements, 1);
    EXPECT_EQ(b.deplacements, 0) << "seul le point saisi glisse";
    EXPECT_EQ(a.vue, zone.get());
    EXPECT_DOUBLE_EQ(zone->sourisReelX, 1);
    EXPECT_DOUBLE_EQ(zone->sourisReelY, 1);
    sourisZone(*zone, 228, 145, 2);
    EXPECT_EQ(zone->objetSaisi, 0);
    EXPECT_EQ(curseur, Tcurseur::croix);
    sourisZone(*zone, 400, 20, 3);
    EXPECT_EQ(curseur, Tcurseur::defaut);
    EXPECT_EQ(a.deplacements, 1);
    zone->figee = true;
    sourisZone(*zone, 228, 145, 1);
    EXPECT_EQ(zone->objetSaisi, 0);
}

TEST_F(Zone, RafraichirSeulementVisible) {
    rafraichirZone(*zone);
    EXPECT_EQ(dessins, 1);
    boite.visible = false;
    rafraichirZone(*zone);
    EXPECT_EQ(dessins, 1);
}

TEST_F(Zone, FondEtImages) {
    boite.couleur = 0xC0C0C0;
    viderZone(*zone);
    QImage petite(4, 3, QImage::Format_RGB32);
    petite.fill(qRgb(0, 0, 255));
    QTemporaryDir dossier;
    ASSERT_TRUE(petite.save(dossier.filePath("Z03essai.png")));
    definirDossierImages(dossier.path().toStdString());
    const int present = ajouterImage(*zone, "Z03essai.png", 2, 1);
    const int absent = ajouterImage(*zone, "Z03absente.jpg", 0, 0);
    EXPECT_EQ(zone->objet(present)->nom, "Image1");
    EXPECT_TRUE(zone->objet(present)->visible);
    EXPECT_FALSE(zone->objet(absent)->visible);
    const int interne = ajouterImageInterne(*zone, &petite, 10, 2);
    EXPECT_EQ(zone->objet(interne)->nom, "Image_interne3");
    const QImage image = peindre();
    EXPECT_EQ(image.pixel(0, 0), qRgb(0xC0, 0xC0, 0xC0));
    EXPECT_EQ(image.pixel(16, 18), qRgb(0, 0, 255));
    EXPECT_EQ(image.pixel(19, 20), qRgb(0, 0, 255));
    EXPECT_EQ(image.pixel(20, 18), qRgb(0xC0, 0xC0, 0xC0));
    EXPECT_EQ(image.pixel(15, 18), qRgb(0xC0, 0xC0, 0xC0));
    EXPECT_EQ(image.pixel(80, 36), qRgb(0, 0, 255));
    zone->fond = false;
    EXPECT_EQ(peindre().pixel(0, 0), qRgb(255, 255, 255));
}

// Le rectangle que mesure emprisePeinte est celui de l'encre que peint la zone : texte
// simple, fraction empilée, exposant, cadre ; à un pixel près (lissage des bords).
struct CasEmprise {
    const char* nom;
    int (*ajouter)(TzoneAffichage&);
};

class Emprises : public Zone, public testing::WithParamInterface<CasEmprise> {};

QRect encreDe(const QImage& image) {
    QRect encre;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) != qRgb(255, 255, 255)) {
                encre |= QRect(x, y, 1, 1);
            }
        }
    }
    return encre;
}

TEST_P(Emprises, EgaleLEncrePeinte) {
    const int i = GetParam().ajouter(*zone);
    ASSERT_GT(i, 0);
    const QRect mesure = emprisePeinte(*zone, i);
    const QRect encre = encreDe(peindre());
    ASSERT_FALSE(encre.isEmpty());
    EXPECT_TRUE(mesure.adjusted(-1, -1, 1, 1).contains(encre)) << GetParam().nom;
    EXPECT_TRUE(encre.adjusted(-1, -1, 1, 1).contains(mesure)) << GetParam().nom;
}

INSTANTIATE_TEST_SUITE_P(
    Objets, Emprises,
    testing::Values(
        CasEmprise{"texte", [](TzoneAffichage& z) { return ecrire(z, "Calculer AB.", 3, 2); }},
        CasEmprise{"fraction",
                   [](TzoneAffichage& z) { return ecrire(z, "a. $FMN;9; = $F1;3;", 3, 4); }},
        CasEmprise{"exposant", [](TzoneAffichage& z) { return ecrire(z, "A = 3 x² + 1", 3, 2); }},
        CasEmprise{"cadre", [](TzoneAffichage& z) { return ajouterCadre(z, 2, 1, 1, 20, 3); }}),
    [](const auto& info) { return std::string(info.param.nom); });

TEST_F(Zone, EmpriseVideDUnObjetCache) {
    const int i = ecrire(*zone, "Calculer AB.", 3, 2);
    zone->objet(i)->visible = false;
    EXPECT_TRUE(emprisePeinte(*zone, i).isEmpty());
    EXPECT_TRUE(emprisePeinte(*zone, 99).isEmpty());
}

} // namespace
