#pragma once

// Le banc commun des tests qui peignent une zone d'affichage : une boîte à peindre de la
// taille demandée, la zone créée sur elle avant chaque test et libérée après, et la peinture
// de la zone sur une image blanche. Une classe dérivée règle le reste de la boîte (rappels,
// couleur) dans son constructeur, avant la création de la zone.

#include "display/zones/boitepeinture.h"
#include "display/zones/zoneaffichage.h"
#include "tests/display/dessin.h"

#include <gtest/gtest.h>
#include <memory>

class ZoneEssai : public testing::Test {
protected:
    ZoneEssai(int largeur, int hauteur) {
        boite.largeur = largeur;
        boite.hauteur = hauteur;
    }
    void SetUp() override { creerZone(boite, zone); }
    void TearDown() override { libererZone(zone); }

    QImage peindre() {
        QImage image = imageBlanche(boite.largeur, boite.hauteur);
        QPainter peintre(&image);
        dessinerZone(*zone, peintre);
        return image;
    }

    TboitePeinture boite;
    std::unique_ptr<TzoneAffichage> zone;
};
