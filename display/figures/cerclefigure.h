#pragma once

// Un objet arrondi de figure : cercle de centre O passant par A (6), arc de centre O et de
// rayon OA allant dans le sens direct de la direction de A à celle de B (20), ou ellipse de
// centre A dont la boîte a B pour coin, entière ou réduite à une moitié (29). Chacun garde
// son centre, son rayon et sa boîte ; l'arc et la demi-ellipse leurs points de début et de
// fin.

#include "display/figures/objetfigure.h"

class TcercleFigure : public TobjetFigure {
public:
    static constexpr int genreCercle = 6;
    static constexpr int genreArc = 20;
    static constexpr int genreDemiEllipse = 29;

    explicit TcercleFigure(int genre = genreCercle);

    void recalculer(const TzoneAffichage& zone) override;
    void peindre(Tcanevas& canevas, TzoneAffichage& zone) override;
    // Centre et rayon d'un cercle ou d'un arc (pas d'une demi-ellipse) ; extrémités d'un arc.
    bool centreEtRayon(TpointMonde& c, double& r) const override;
    bool extremites(TpointMonde& debut, TpointMonde& fin) const override;

    TpointMonde centre;
    double rayon = 0;
    // Boîte : coin bas-gauche et coin haut-droit dans le monde.
    TpointMonde boiteMin;
    TpointMonde boiteMax;
    TpointMonde debut;
    TpointMonde fin;
    // Demi-ellipse : 1 entière, 2 à 5 une moitié.
    int mode = 1;
};
