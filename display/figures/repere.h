#pragma once

// Le repère d'une zone, fond de ses figures : grille polaire, grille triangulaire, ou
// quadrillage et axes avec leurs cinq légendes. La zone le possède, le remet à ses valeurs
// par défaut quand elle est vidée et le peint avant ses objets quand il est visible ; le
// glisser d'un point libre suit les règles de sa grille.

#include "display/couleur.h"

#include <string>

class Tcanevas;
struct TzoneAffichage;

struct Trepere {
    bool visible = false;
    Tcouleur couleurAxes = 0xFF0000;
    // Quadrillage et axes.
    double pasX = 1;
    double pasY = 1;
    bool quadrillageCarre = true;
    bool sansAxes = false;
    // Légendes (au plus 10 caractères) : graduations, noms des axes, origine.
    double xGraduation = 3;
    double yGraduation = 3;
    std::string texteGraduationX = "3";
    std::string texteGraduationY = "3";
    std::string nomAxeX = "x";
    std::string nomAxeY = "y";
    std::string texteOrigine = "0";
    // Grille polaire : rayons tous les `pasAngle` degrés, cercles de rayons entiers.
    bool grillePolaire = false;
    double pasAngle = 10;
    int nombreRayons = 36;
    double rayonMax = 10;
    double rayonMin = 3;
    bool grilleTriangulaire = false;

    // Peint la grille et les axes dans la vue de la zone.
    void peindre(Tcanevas& canevas, const TzoneAffichage& zone) const;
};
