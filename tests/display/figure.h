#pragma once

// Le banc des tests de figures : une zone de 456 × 290 pixels (origine (228, 145), 29 pixels
// par unité) qui compte ses demandes de dessin, et de quoi créer des points, lire leur
// position, les glisser à la souris et peindre la zone sur une image.

#include "display/figures/figures.h"
#include "tests/display/zoneessai.h"

#include <gtest/gtest.h>
#include <initializer_list>
#include <string_view>
#include <tuple>

// Une zone de 456 × 290 pixels : origine (228, 145), 29 pixels par unité.
class Figure : public ZoneEssai {
protected:
    Figure() : ZoneEssai(456, 290) {
        boite.repeindre = [this] { ++dessins; };
    }

    bool defini(std::string_view nom) const {
        const TobjetZone* o = zone->objet(indiceObjet(*zone, nom));
        return o != nullptr && !o->indefini;
    }
    void attendrePoint(std::string_view nom, double x, double y) const {
        ASSERT_NE(indiceObjet(*zone, nom), 0) << nom;
        EXPECT_TRUE(defini(nom)) << nom;
        EXPECT_NEAR(abscisseObjet(*zone, nom), x, 1e-9) << nom;
        EXPECT_NEAR(ordonneeObjet(*zone, nom), y, 1e-9) << nom;
    }
    // Presse, déplace et relâche la souris, en pixels.
    void glisser(int x0, int y0, int x1, int y1) {
        sourisZone(*zone, x0, y0, 1);
        sourisZone(*zone, x1, y1, 3);
        sourisZone(*zone, x1, y1, 2);
    }
    void pixels(std::string_view nom, int& px, int& py) const {
        px = xEcran(*zone, abscisseObjet(*zone, nom));
        py = yEcran(*zone, ordonneeObjet(*zone, nom));
    }

    int dessins = 0;
};

inline void points(TzoneAffichage& z,
                   std::initializer_list<std::tuple<const char*, double, double>> l) {
    for (const auto& [nom, x, y] : l) {
        pointEtiquete(z, nom, 0, x, y, 0, 0);
    }
}
