#pragma once

// Un polygone de figure (16) : la liste des indices de ses sommets (au plus 40) et leurs
// coordonnées, le premier sommet répété à la fin. Il est indéfini dès qu'un sommet l'est.
// Peint rempli du motif quand il en a un, sinon côté par côté dans le style de crayon.

#include "display/figures/objetfigure.h"

#include <vector>

class TpolygoneFigure : public TobjetFigure {
public:
    static constexpr int genrePolygone = 16;
    static constexpr std::size_t sommetsMaximum = 40;

    TpolygoneFigure();

    void recalculer(const TzoneAffichage& zone) override;
    void peindre(Tcanevas& canevas, TzoneAffichage& zone) override;

    std::vector<int> sommets;
    std::vector<TpointMonde> coordonnees;
};
