#pragma once

// Objet de genre 28 : le diagramme statistique d'une zone, en barres ou circulaire, de une à
// six catégories avec leur légende. Il occupe toute la zone et se met en page en pixels. Tant
// qu'il n'est pas figé, l'élève change ses valeurs à la souris : il tire le haut d'une barre
// ou la limite entre deux secteurs. La zone lui passe tous ses événements de souris
// (`indexDiagramme`) ; l'exercice relit `valeurs` quand l'élève valide.

#include "display/zones/objetzone.h"

#include <array>
#include <string_view>

class Tdiagramme : public TobjetZone {
public:
    static constexpr int genreDiagramme = 28;
    static constexpr int categoriesMaximum = 6;
    static constexpr int barres = 1;
    static constexpr int secteurs = 2;
    static constexpr int hauteurMaximale = 20;
    static constexpr std::size_t longueurLibelle = 40;

    Tdiagramme();
    void peindre(Tcanevas& canevas, TzoneAffichage& zone) override;
    void souris(TzoneAffichage& zone, int x, int y, int action) override;

    // Recalcule `total` et la géométrie pour une zone de largeur × hauteur pixels (fait à
    // chaque dessin et à chaque événement de souris) ; ramène `nbCategories` dans 1..6.
    void calculerGeometrie(int largeur, int hauteur);
    // La poignée sous le point (x, y) : barre k ou limite k (1..nbCategories − 1) ; 0 sinon.
    int poigneeSous(double x, double y) const;

    int nbCategories = 1;
    int typeDiagramme = barres;
    // valeurs[k − 1] : hauteur de la barre k (0..20) ou angle du secteur k en degrés.
    std::array<int, categoriesMaximum> valeurs{};
    int total = 0;
    int poignee = 0;
    std::array<Tcouleur, categoriesMaximum> couleurs{0xFFFF80, 0xE0FFE0, 0xFF00FF,
                                                     0xE0E0E0, 0x00FFFF, 0xFFC0FF};
    std::array<std::string, categoriesMaximum> libelles;
    std::string titre = "Effectif";

    // Géométrie calculée, en pixels. Légende : coin haut-gauche de la case k − 1.
    std::array<double, categoriesMaximum> xLegende{};
    std::array<double, categoriesMaximum> yLegende{};
    // Barres : axe vertical, ligne de base, pixels par unité, centre et haut de la barre k − 1.
    double xAxe = 20;
    double yBase = 0;
    double unite = 0;
    std::array<double, categoriesMaximum> xBarre{};
    std::array<double, categoriesMaximum> yBarre{};
    // Secteurs : centre, rayon, et point de la limite après le secteur k (k = 0..nbCategories).
    double xCentre = 0;
    double yCentre = 0;
    double rayon = 0;
    std::array<double, categoriesMaximum + 1> xLimite{};
    std::array<double, categoriesMaximum + 1> yLimite{};

private:
    bool tirer(TzoneAffichage& zone, int x, int y);
    void choisirCurseur(TzoneAffichage& zone, int x, int y) const;
};

// Crée le diagramme « Diagramme » de la zone et inscrit son indice dans `indexDiagramme`.
// `valeurs` : nombres séparés par « ; » (arrondis) pour les catégories 1..n − 1, puis pour un
// diagramme en barres la n-ième valeur ; pour un diagramme circulaire la dernière est 360 moins
// les autres. `libelles` : textes séparés par « \ » ; un texte après un « \ » qui suit le
// n-ième libellé est le titre, sinon le titre est « Effectif ». Rend l'indice de l'objet, ou 0
// quand il est refusé (nombre de catégories hors de 1..6, type inconnu, zone qui a déjà un
// diagramme ou qui est pleine).
int diagramme(TzoneAffichage& zone, int categories, std::string_view valeurs,
              std::string_view libelles, int type, bool fige);

// Événement de souris (1 appui, 2 relâchement, 3 déplacement) adressé au diagramme de la zone.
void sourisDiagramme(TzoneAffichage& zone, int x, int y, int action);
