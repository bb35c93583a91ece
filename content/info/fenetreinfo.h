#pragma once

// La fenêtre d'information, côté contenu : sa taille selon la fiche, sa place contre le
// rectangle du bureau, l'état « ouverte » que la fenêtre principale consulte, et l'hôte qui
// la montre à l'écran. La fenêtre elle-même (sans bord, créée au premier usage, détruite à
// la fermeture) est dans ui/, qui remplit l'hôte au démarrage ; sans hôte, rien ne s'ouvre.

#include "core/controles/rectangle.h"

#include <functional>

struct TdonneesCommunes;

// Une fenêtre d'information est à l'écran. Tant qu'elle l'est, un appui sur l'énoncé, sur
// le bouton du bilan ou sur l'accueil ne fait que la fermer.
extern bool infoOuverte;

struct ThoteInfo {
    // Montre (ou remontre avec un autre contenu) la fenêtre pour l'identifiant donné, dont
    // tailleInfo a déjà posé la taille.
    std::function<void(TdonneesCommunes&, int)> montrer;
    // Détruit la fenêtre montrée.
    std::function<void()> fermer;
};

ThoteInfo& hoteInfo();

// Taille cliente de la fiche (après aliasInfo) dans largeurInfo et hauteurInfo.
void tailleInfo(TdonneesCommunes& d, int identifiant);

// Montre la fenêtre d'information sur l'identifiant (sans renvoi de l'index).
void montrerInfo(TdonneesCommunes& d, int identifiant);

// infoOuverte := faux ; la fenêtre, s'il y en a une, est détruite.
void fermerInfo();

// Place de la fenêtre près du pointeur : à sa droite s'il y a la place, sinon à sa gauche,
// sinon centrée ; en dessous, sinon au-dessus, sinon centrée ; en (20, 20) si elle ne tient
// d'aucun côté.
struct TplaceInfo {
    int gauche = 0;
    int haut = 0;
    bool placeADroite = false;
    bool placeAGauche = false;
    bool placeEnBas = false;
    bool placeEnHaut = false;
};
TplaceInfo placerInfo(int pointX, int pointY, int largeur, int hauteur, const Trectangle& bureau);

// Place fixe du bilan : au bord droit du classeur (rectangle à l'écran), 127 pixels sous son
// haut.
TplaceInfo placerBilan(const Trectangle& classeur, int largeur);
