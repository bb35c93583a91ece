#pragma once

// Un objet rectiligne de figure : segment (4), demi-droite (5), droite par deux points (9),
// perpendiculaire (11), médiatrice (30) ou flèche de cote (26). Un segment et une cote
// gardent leurs deux bouts ; une droite et une demi-droite un point et une direction
// unitaire. Une droite est peinte d'un bord à l'autre de la partie visible du monde.

#include "display/figures/objetfigure.h"

class TligneFigure : public TobjetFigure {
public:
    static constexpr int genreSegment = 4;
    static constexpr int genreDemiDroite = 5;
    static constexpr int genreDroite = 9;
    static constexpr int genrePerpendiculaire = 11;
    static constexpr int genreCote = 26;
    static constexpr int genreMediatrice = 30;

    explicit TligneFigure(int genre = genreSegment);

    void recalculer(const TzoneAffichage& zone) override;
    void peindre(Tcanevas& canevas, TzoneAffichage& zone) override;

    // Droite support : un point et une direction unitaire ; faux pour une cote ou un
    // segment réduit à un point.
    bool support(TpointMonde& p, TpointMonde& d) const override;

    // Segment et cote.
    TpointMonde a;
    TpointMonde b;
    // Droite et demi-droite.
    TpointMonde origine;
    TpointMonde direction{1, 0};
    // Décalage en pixels des deux bouts d'une cote.
    double decalageX = 0;
    double decalageY = 0;
};
