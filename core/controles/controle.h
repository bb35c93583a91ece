#pragma once

// État d'un contrôle de la fenêtre principale, sans Qt : ce que le programme en lit et en
// écrit (visibilité, activation, position, taille, focus). La couche ui/ lie chaque widget à
// son objet d'état et recopie l'état vers le widget après chaque événement traité ; toute la
// vie d'un exercice se joue ainsi, et se teste, sans fenêtre.

struct Tcontrole {
    bool visible = true;
    bool actif = true;
    bool focus = false;
    int gauche = 0;
    int haut = 0;
    int largeur = 0;
    int hauteur = 0;
};
