#pragma once

// Un objet de figure géométrique : l'en-tête commun d'un objet de zone (son style de dessin),
// les indices de ses parents dans la zone (le nœud de dépendance) et la valeur qu'il
// recalcule à partir d'eux par sa règle de construction. L'ordre de création est l'ordre des
// dépendances : recalculer les objets d'un point déplacé jusqu'au dernier remet toute la
// figure à jour. Une construction impossible rend l'objet indéfini ; il n'est alors pas
// peint et ses dépendants deviennent indéfinis à leur tour.

#include "analysis/geometrie/pointmonde.h"
#include "display/zones/objetzone.h"

#include <array>

class TobjetFigure : public TobjetZone {
public:
    TobjetFigure(int genre, Tclasse classe) : TobjetZone(genre, classe) {}

    // Recalcule la valeur à partir des parents et fixe `indefini`.
    virtual void recalculer(const TzoneAffichage& zone) = 0;

    // Ce que l'objet offre à ses dépendants, chaque genre répondant pour ce qu'il est :
    // position d'un point ; droite support (un point et une direction unitaire) d'une
    // droite, d'une demi-droite ou d'un segment non réduit à un point ; centre et rayon d'un
    // cercle ou d'un arc ; points de début et de fin d'un arc. Faux pour les autres objets.
    virtual bool position(TpointMonde& p) const;
    virtual bool support(TpointMonde& p, TpointMonde& d) const;
    virtual bool centreEtRayon(TpointMonde& c, double& r) const;
    virtual bool extremites(TpointMonde& debut, TpointMonde& fin) const;

    // Indices des parents dans la zone (0 : pas de parent à cette place).
    std::array<int, 4> parents{};

protected:
    // Vrai (et l'objet indéfini) quand un parent manque ou est indéfini.
    bool parentIndefini(const TzoneAffichage& zone);
};

// L'objet de figure d'indice i, nul quand l'indice ne désigne pas un objet de figure.
const TobjetFigure* objetFigure(const TzoneAffichage& zone, int i);

// Position d'un objet de classe point (faux pour un autre objet).
bool positionPoint(const TzoneAffichage& zone, int i, TpointMonde& p);

// Droite support d'une droite, d'une demi-droite ou d'un segment non réduit à un point, tant
// qu'il est défini : un point et une direction unitaire.
bool supportDroite(const TzoneAffichage& zone, int i, TpointMonde& p, TpointMonde& d);

// Centre et rayon d'un cercle ou d'un arc.
bool centreRayon(const TzoneAffichage& zone, int i, TpointMonde& c, double& r);

// Points de début et de fin d'un arc.
bool extremitesArc(const TzoneAffichage& zone, int i, TpointMonde& debut, TpointMonde& fin);
