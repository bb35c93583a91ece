#pragma once

// Rectangle en pixels d'un contrôle dans son parent : bord gauche, haut, largeur, hauteur.

struct Trectangle {
    int gauche = 0;
    int haut = 0;
    int largeur = 0;
    int hauteur = 0;

    int droite() const { return gauche + largeur; }
    int bas() const { return haut + hauteur; }

    friend bool operator==(const Trectangle&, const Trectangle&) = default;
};
