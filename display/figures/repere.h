#pragma once

// Le fond des figures : grille polaire, grille triangulaire, ou quadrillage et axes du
// repère avec leurs cinq légendes, selon les réglages de la zone. Peint avant les objets
// quand `repereVisible` est mis.

class Tcanevas;
struct TzoneAffichage;

void dessinerRepere(Tcanevas& canevas, TzoneAffichage& zone);
