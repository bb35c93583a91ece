#include "display/zones/objetzone.h"

bool TobjetZone::positionEcran(const TzoneAffichage&, int&, int&) const {
    return false;
}

void TobjetZone::souris(TzoneAffichage&, int, int, int) {}

void TobjetZone::glisser(TzoneAffichage&) {}
