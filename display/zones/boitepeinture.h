#pragma once

// La boîte de dessin à laquelle une zone d'affichage est liée : ce que la zone sait de la
// surface où elle se peint, sans widget. La couche des fenêtres remplit la taille cliente,
// la couleur et la visibilité, et branche les deux services : repeindre tout de suite (le
// dessin appelle `dessinerZone` avant de rendre la main) et changer le pointeur de la souris.

#include "display/couleur.h"

#include <functional>

enum class Tcurseur { defaut, croix, main, redimensionVertical };

struct TboitePeinture {
    int largeur = 0;
    int hauteur = 0;
    Tcouleur couleur = 0xFFFFFF;
    bool visible = true;
    std::function<void()> repeindre;
    std::function<void(Tcurseur)> changerCurseur;
};
