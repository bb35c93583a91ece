#include "tests/content/cours/coursessai.h"

#include "content/cours/tablepages.h"
#include "core/controles/arbre.h"
#include "core/controles/bouton.h"
#include "core/controles/libelle.h"
#include "core/lien.h"
#include "display/zones/objetcadre.h"
#include "display/zones/objetimage.h"
#include "display/zones/objettexte.h"

#include <QDir>
#include <QTemporaryDir>

#include <string>
#include <vector>

namespace {

const Timage* imageDeLaPage(const TzoneAffichage& zone) {
    for (const auto& objet : zone.objets) {
        if (const auto* image = dynamic_cast<const Timage*>(objet.get())) {
            return image;
        }
    }
    return nullptr;
}

std::vector<const Ttexte*> textes(const TzoneAffichage& zone) {
    std::vector<const Ttexte*> t;
    for (const auto& objet : zone.objets) {
        if (const auto* texte = dynamic_cast<const Ttexte*>(objet.get())) {
            t.push_back(texte);
        }
    }
    return t;
}

TEST(TablePages, NomsTiresDeLArbre) {
    const struct {
        int page;
        const char* nom;
    } cas[] = {{1002, "01S1"},  {1004, "01S3"}, {1006, "01SF1"}, {1008, "01SF3"}, {1011, "02S1"},
               {1039, "04SF2"}, {1108, "12S1"}, {1138, "14SF4"}, {1140, "15S1"},  {1155, "15S16"}};
    for (const auto& c : cas) {
        const TentreePage* e = entreePage(c.page);
        ASSERT_NE(e, nullptr) << c.page;
        EXPECT_EQ(e->nom, c.nom) << c.page;
    }
    EXPECT_EQ(tablePages().size(), 113u);
    for (int sansEntree : {1000, 1001, 1005, 1009, 1139, 1156, 0}) {
        EXPECT_EQ(entreePage(sansEntree), nullptr) << sansEntree;
    }
    EXPECT_EQ(entreePage(1013)->decalageColonne, 0);
    EXPECT_EQ(entreePage(1012)->decalageColonne, 4) << "02S2";
    EXPECT_EQ(entreePage(1051)->decalageLigne, 1) << "05SF4";
}

TEST_F(CoursEssai, Page1006VerteAvecSonBoutonEtSaZone) {
    afficherPageCours(d, 1006);
    EXPECT_TRUE(d.pageSavoirFaire);
    EXPECT_EQ(d.zoneCours->couleurFond, 0xE5FFF2u);
    EXPECT_EQ(d.zoneCours->boite->couleur, 0xE5FFF2u);
    EXPECT_EQ(d.lienPourSexercer, 13);
    EXPECT_TRUE(d.BoutonPourSexercerSF->visible);
    EXPECT_FALSE(d.BoutonPourSexercer->visible);
    EXPECT_EQ(d.BoutonPourSexercerSF->haut, 216);
    EXPECT_EQ(d.BoutonPourSexercerSF->gauche, 662);
    const Timage* image = imageDeLaPage(*d.zoneCours);
    ASSERT_NE(image, nullptr);
    EXPECT_DOUBLE_EQ(image->x, (-7 + 11) * 8.0) << "colonne −7 avec la marge de 11 colonnes";
    EXPECT_DOUBLE_EQ(image->y, 9.0);
    EXPECT_TRUE(image->visible) << "l'image Z0301SF1.jpg est écrite par la construction";
    EXPECT_EQ(d.zoneCours->boite->hauteur, std::max(499, image->image.height() + 9 + 10));

    std::vector<const Tcadre*> zones;
    for (const auto& objet : d.zoneCours->objets) {
        if (const auto* c = dynamic_cast<const Tcadre*>(objet.get())) {
            zones.push_back(c);
        }
    }
    ASSERT_EQ(zones.size(), 1u);
    EXPECT_EQ(zones[0]->styleCadre, 8);
    EXPECT_DOUBLE_EQ(zones[0]->x, 208);
    EXPECT_DOUBLE_EQ(zones[0]->y, 149);
    EXPECT_DOUBLE_EQ(zones[0]->largeurCadre, 63);
    EXPECT_DOUBLE_EQ(zones[0]->hauteurCadre, 18);
    peindreCours();
    EXPECT_EQ(zoneSousPoint(d.zoneCours->zonesCliquables, 240, 140), 1002);
    EXPECT_EQ(zoneSousPoint(d.zoneCours->zonesCliquables, 240, 150), 0);

    BoutonPourSexercerClick(d);
    EXPECT_EQ(d.PageControle->pageActive, Onglet::Sommaire);
    EXPECT_EQ(d.ArbreChoixExercice->selection, 13);
    EXPECT_TRUE(d.ArbreChoixExercice->estDeplie(13));
}

TEST_F(CoursEssai, LaZoneDe1006MeneA1002EtRetourRevient) {
    afficherPageCours(d, 1006);
    EXPECT_EQ(d.PageControle->pageActive, Onglet::Cours) << "la page fait passer à l'onglet";
    peindreCours();
    d.cibleLien = zoneSousPoint(d.zoneCours->zonesCliquables, 220, 140);
    suivreLien(d);
    EXPECT_EQ(d.pageCours, 1002);
    EXPECT_FALSE(d.pageSavoirFaire);
    EXPECT_EQ(d.zoneCours->couleurFond, 0xFEF7DAu);
    EXPECT_TRUE(d.BoutonRetour->visible);
    EXPECT_FALSE(d.BoutonRetourSF->visible);
    EXPECT_EQ(d.nombreHistorique, 1);

    BoutonRetourClick(d);
    EXPECT_EQ(d.pageCours, 1006);
    EXPECT_FALSE(d.BoutonRetour->visible);
    EXPECT_FALSE(d.BoutonRetourSF->visible);
    EXPECT_EQ(d.nombreHistorique, 0);
    EXPECT_FALSE(d.retourEnCours);
    BoutonRetourClick(d);
    EXPECT_EQ(d.pageCours, 1006) << "historique vide : rien";
}

TEST_F(CoursEssai, RetourSurUnePageDesSavoirFaire) {
    ongletCours();
    afficherPageCours(d, 1002);
    afficherPageCours(d, 1007); // comme par un lien, l'onglet des cours étant actif
    EXPECT_TRUE(d.BoutonRetourSF->visible);
    EXPECT_FALSE(d.BoutonRetour->visible);
    EXPECT_EQ(d.historique[1], 1002);
}

TEST_F(CoursEssai, UnePageMontreeDepuisUnAutreOngletVideLHistorique) {
    ongletCours();
    afficherPageCours(d, 1002);
    afficherPageCours(d, 1003);
    afficherPageCours(d, 1004);
    EXPECT_EQ(d.nombreHistorique, 2);
    d.PageControle->pageActive = Onglet::Exercices;
    afficherPageCours(d, 1011);
    EXPECT_EQ(d.nombreHistorique, 0);
    EXPECT_EQ(d.PageControle->pageActive, Onglet::Cours);
    EXPECT_FALSE(d.BoutonRetour->visible);
}

TEST_F(CoursEssai, SuivantEtPrecedentRestentDansLeChapitre) {
    ongletCours();
    afficherPageCours(d, 1002);
    EXPECT_FALSE(d.BoutonCoursPrecedent->actif);
    EXPECT_TRUE(d.BoutonCoursSuivant->actif);
    afficherPageCours(d, 1004);
    BoutonCoursSuivantClick(d);
    EXPECT_EQ(d.pageCours, 1006) << "la section 1005 est sautée";
    EXPECT_EQ(d.nombreHistorique, 0) << "les pages voisines vident l'historique";
    EXPECT_FALSE(d.navigationVoisine);
    BoutonCoursPrecedentClick(d);
    EXPECT_EQ(d.pageCours, 1004);
    afficherPageCours(d, 1008);
    EXPECT_FALSE(d.BoutonCoursSuivant->actif);
    EXPECT_TRUE(d.BoutonCoursPrecedent->actif);

    const struct {
        int depart;
        int suivante;
        int precedente;
    } bords[] = {{1019, 1022, 1018}, {1138, 1140, 1137}, {1155, 1002, 1154}, {0, 1002, 1155}};
    for (const auto& b : bords) {
        d.pageCours = b.depart;
        BoutonCoursSuivantClick(d);
        EXPECT_EQ(d.pageCours, b.suivante) << b.depart;
        d.pageCours = b.depart;
        BoutonCoursPrecedentClick(d);
        EXPECT_EQ(d.pageCours, b.precedente) << b.depart;
    }
}

TEST_F(CoursEssai, LArbreSuitLaPageEtReplieLesAutresChapitres) {
    for (int racine : {0, 9, 20, 139}) {
        d.ArbreChoixCours->deplier(racine);
    }
    afficherPageCours(d, 1023);
    EXPECT_EQ(d.ArbreChoixCours->selection, 23);
    EXPECT_TRUE(d.ArbreChoixCours->estDeplie(20));
    EXPECT_FALSE(d.ArbreChoixCours->estDeplie(0));
    EXPECT_FALSE(d.ArbreChoixCours->estDeplie(9));
    EXPECT_TRUE(d.ArbreChoixCours->estDeplie(139)) << "le formulaire n'est jamais replié";
    EXPECT_EQ(d.chapitreCours, 4);
    EXPECT_EQ(d.LabelChapitreCours->texte, "3. Calculs sur les racines carrées");
    EXPECT_EQ(d.nomPageCours.texte(), "Équations de la forme x² = a");
    afficherPageCours(d, 1145);
    EXPECT_EQ(d.LabelChapitreCours->texte, "Formulaire");
    EXPECT_FALSE(d.ArbreChoixCours->estDeplie(20));
}

TEST_F(CoursEssai, FormulaireTroisColonnesPlusADroite) {
    QTemporaryDir vide;
    definirDossierImages(vide.path().toStdString());
    const struct {
        int page;
        double x;
    } cas[] = {{1002, 48}, {1140, 72}, {1155, 72}, {1006, 32}, {1012, 80}};
    for (const auto& c : cas) {
        afficherPageCours(d, c.page);
        const Timage* image = imageDeLaPage(*d.zoneCours);
        ASSERT_NE(image, nullptr) << c.page;
        EXPECT_DOUBLE_EQ(image->x, c.x) << c.page;
    }
    afficherPageCours(d, 1051);
    EXPECT_DOUBLE_EQ(imageDeLaPage(*d.zoneCours)->y, 1.5 * 18) << "05SF4 une ligne plus bas";
}

TEST_F(CoursEssai, ImageManquanteSousLeTitre) {
    QTemporaryDir vide;
    definirDossierImages(vide.path().toStdString());
    afficherPageCours(d, 1002);
    const auto t = textes(*d.zoneCours);
    ASSERT_EQ(t.size(), 2u);
    EXPECT_EQ(t[0]->texte, std::string(21, ' ') + "Développement (étudié en 4e)");
    EXPECT_DOUBLE_EQ(t[0]->y, 2.5 * 18);
    EXPECT_EQ(t[1]->texte, "La page de cours Z0301S1.jpg est manquante.");
    EXPECT_DOUBLE_EQ(t[1]->y, 4.5 * 18);
    EXPECT_EQ(d.zoneCours->boite->hauteur, 499);

    // Les zones cliquables et les boutons d'une page sans image restent posés.
    afficherPageCours(d, 1079);
    int boutons = 0;
    for (const auto& objet : d.zoneCours->objets) {
        if (const auto* c = dynamic_cast<const Tcadre*>(objet.get()); c && c->styleCadre == 11) {
            ++boutons;
        }
    }
    EXPECT_EQ(boutons, 3);
}

TEST_F(CoursEssai, IdentifiantSansEntree) {
    afficherPageCours(d, 1005);
    const auto t = textes(*d.zoneCours);
    ASSERT_EQ(t.size(), 2u);
    EXPECT_EQ(t[0]->texte, std::string(21, ' ') + "Les savoir-faire");
    EXPECT_EQ(t[1]->texte, std::string(21, ' ') + "Image non disponible");
    EXPECT_FALSE(d.pageSavoirFaire);
    EXPECT_FALSE(d.BoutonPourSexercer->visible);
}

TEST_F(CoursEssai, LaPageDejaMontreeNeFaitQueChangerDOnglet) {
    afficherPageCours(d, 1003);
    d.PageControle->pageActive = Onglet::Exercices;
    const int objets = d.zoneCours->nombreObjets();
    montrerPageCours(d, 1003);
    EXPECT_EQ(d.PageControle->pageActive, Onglet::Cours);
    EXPECT_EQ(d.zoneCours->nombreObjets(), objets);
    EXPECT_EQ(d.nombreHistorique, 0);
}

} // namespace
