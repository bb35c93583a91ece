#pragma once

// Objet de genre 7 : un cadre ou un bouton. Le style (1..13) choisit le dessin : encadrés
// « Propriété », « Énoncé » et « Action » à onglet, soulignement de lien, bouton arrondi,
// bouton d'aide « ? »… Les liens et les boutons inscrivent leur rectangle comme zone
// cliquable de cible `cible` à chaque dessin.

#include "display/zones/objetzone.h"

class Tcadre : public TobjetZone {
public:
    static constexpr int genreCadre = 7;

    Tcadre();
    void peindre(Tcanevas& canevas, TzoneAffichage& zone) override;

    int styleCadre = 1;
    double x = 0;
    double y = 0;
    double largeurCadre = 0;
    double hauteurCadre = 0;
    double xPlume = 0;
    int cible = 0;
    std::string legende;
};
