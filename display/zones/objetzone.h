#pragma once

// L'en-tête commun des objets d'une zone d'affichage (textes, cadres, images, et plus tard
// figures, divisions, tableaux et diagrammes). Chaque genre d'objet en dérive dans son propre
// fichier, se dessine par `peindre` et s'inscrit dans la table des genres (genresobjets.cpp) :
// la zone n'a pas à connaître les genres qu'elle contient.

#include "display/couleur.h"

#include <string>

class Tcanevas;
struct TzoneAffichage;

// Classe de dessin, fixée par le genre à la création. Les objets de classe point sont
// peints après tous les autres.
enum class Tclasse {
    point,
    texte,
    segment,
    demiDroite,
    cercle,
    cadre,
    division,
    droite,
    polygone,
    image,
    arc,
    imageControle,
    doubleFleche,
    tableau,
    diagramme,
    figureArrondie,
    courbe,
};

class TobjetZone {
public:
    TobjetZone(int genre, Tclasse classe) : genre(genre), classe(classe) {}
    virtual ~TobjetZone() = default;
    TobjetZone(const TobjetZone&) = delete;
    TobjetZone& operator=(const TobjetZone&) = delete;

    // Dessine l'objet (il est visible et défini) sur le canevas de la zone.
    virtual void peindre(Tcanevas& canevas, TzoneAffichage& zone) = 0;

    // Position en pixels d'un objet de classe point, pour la saisie à la souris ; faux pour
    // les objets qui n'en ont pas.
    virtual bool positionEcran(const TzoneAffichage& zone, int& x, int& y) const;

    // L'objet saisi suit la souris, à la position du monde (`sourisReelX`, `sourisReelY`)
    // de la zone ; ne fait rien pour un objet que la souris ne déplace pas.
    virtual void glisser(TzoneAffichage& zone);

    // Événement de souris adressé à l'objet désigné par `indexDiagramme` (1 appui,
    // 2 relâchement, 3 déplacement).
    virtual void souris(TzoneAffichage& zone, int x, int y, int action);

    int genre;
    Tclasse classe;
    bool mobile = false;
    bool fige = false;
    bool indefini = false;
    std::string nom;
    Tcouleur couleur = 0;
    int style = 0;
    int taille = 0;
    int remplissage = 0;
    bool visible = true;
};
