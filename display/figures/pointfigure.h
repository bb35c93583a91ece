#pragma once

// Un point de figure (classe point) : point libre ou déplaçable, point construit (sur une
// droite, image par une rotation, intersection…) ou étiquette de mesure. Sa valeur est sa
// position dans le monde ; sa règle de construction dépend du genre et de ses paramètres ;
// son style ajoute au point une étiquette en texte balisé, décalée en largeurs de caractère
// et en hauteurs de ligne de sa police.

#include "display/figures/objetfigure.h"

#include <string>

class TpointFigure : public TobjetFigure {
public:
    // Genres de points.
    static constexpr int genreLibre = 1;
    static constexpr int genreSurDroite = 10;
    static constexpr int genreIntersectionDroites = 12;
    static constexpr int genreAffine = 13;
    static constexpr int genreTourne = 14;
    static constexpr int genreReportLongueur = 15;
    static constexpr int genreSymetriqueAxe = 17;
    static constexpr int genreSurSegmentHorizontal = 19;
    static constexpr int genreIntersectionCercles = 21;
    static constexpr int genreMesureLongueur = 22;
    static constexpr int genreSurGrille = 23;
    static constexpr int genreMesureAngle = 31;
    static constexpr int genreSurCercle = 32;
    static constexpr int genreIntersectionDroiteCercle = 33;
    static constexpr int genreCentreInscrit = 35;
    static constexpr int genreRayonDeveloppe = 38;
    static constexpr int genreChoix = 40;
    static constexpr int genreTourneAngle = 42;

    // Vrai pour les genres dont la position ne vient que de la souris ou du contenu : ce
    // sont les seuls qu'un glisser déplace.
    static bool genreLibreDePosition(int genre);

    explicit TpointFigure(int genre = genreLibre);

    void recalculer(const TzoneAffichage& zone) override;
    void peindre(Tcanevas& canevas, TzoneAffichage& zone) override;
    bool positionEcran(const TzoneAffichage& zone, int& px, int& py) const override;
    bool position(TpointMonde& p) const override;
    // Glisser : `deplacerPointSaisi` (figures.h).
    void glisser(TzoneAffichage& zone) override;

    // Texte de l'étiquette tel qu'il est peint (en mode 1, suivi des coordonnées).
    std::string texteEtiquette() const;

    double x = 0;
    double y = 0;
    double dxEtiquette = 0;
    double dyEtiquette = 0;
    std::string etiquette;
    int tailleEtiquette = 11;
    int pxDernier = 0;
    int pyDernier = 0;
    int modeEtiquette = 0;
    // Paramètres du genre : t (10) ; u, v (13) ; angle (14) ; xMin, xMax, pas (19) ; xMin,
    // xMax, pas x, yMin, yMax, pas y (23) ; décimales (22, 31) ; angle min, angle max, pas,
    // angle courant (32) ; choix (40, 1 : le premier point).
    std::array<double, 6> parametres{};
};
