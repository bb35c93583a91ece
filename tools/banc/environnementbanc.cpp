#include "tools/banc/environnementbanc.h"

#include "display/zones/zoneaffichage.h"
#include "exercises/inscriptionchapitres.h"

EnvironnementBanc::EnvironnementBanc() {
    inscrireChapitres();
}

bool questionPosee(const TdonneesCommunes& d) {
    return (d.zoneEnonce && d.zoneEnonce->nombreObjets() > 0) || d.nombreChamps > 0 ||
           d.modeReponse == modeReponseCases;
}
