#pragma once

// Le banc des tests de l'onglet des cours : un enregistrement sans fenêtre dont la zone du
// cours a la taille qu'elle a dans la fenêtre, l'onglet des cours inscrit, les images lues
// dans le dossier où la construction les écrit.

#include "content/cours/pagescours.h"
#include "core/controles/classeur.h"
#include "core/plateforme/sansfenetre.h"
#include "core/renvoiscontenu.h"
#include "display/zones/boitepeinture.h"
#include "display/zones/zoneaffichage.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

class CoursEssai : public testing::Test {
protected:
    void SetUp() override {
        definirDossierImages(CALVANE_DOSSIER_PAGES);
        inscrireCours();
        d.zoneCours->boite->largeur = 767;
        d.hauteurCours = 499;
    }
    void TearDown() override { renvoisContenu() = {}; }

    // Peint la zone du cours, ce qui inscrit ses zones cliquables.
    QImage peindreCours() {
        const TboitePeinture& boite = *d.zoneCours->boite;
        QImage image(boite.largeur, boite.hauteur, QImage::Format_RGB32);
        QPainter peintre(&image);
        dessinerZone(*d.zoneCours, peintre);
        return image;
    }

    void ongletCours() { d.PageControle->pageActive = Onglet::Cours; }

    TsansFenetre environnement;
    TdonneesCommunes& d = environnement.d;
};
