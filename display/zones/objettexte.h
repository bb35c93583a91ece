#pragma once

// Objet de genre 3 : une ligne de texte balisé posée au pixel (x, y) de la zone, peinte en
// taille 12 et style normal dans la couleur de l'objet ; `xFin` garde la position de la
// plume après le dernier dessin.

#include "display/zones/objetzone.h"

class Ttexte : public TobjetZone {
public:
    static constexpr int genreTexte = 3;

    Ttexte();
    void peindre(Tcanevas& canevas, TzoneAffichage& zone) override;

    std::string texte;
    double x = 0;
    double y = 0;
    bool affiche = true;
    bool second = false;
    double xFin = 0;
};
