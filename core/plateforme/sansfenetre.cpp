#include "core/plateforme/sansfenetre.h"

#include "display/zones/zoneaffichage.h"

TsansFenetre::TsansFenetre() {
    initialiserDonneesCommunes(d);
    controles.lier(d);
    controles.creerZones(d);
    d.plateforme = &plateforme;
}

TsansFenetre::~TsansFenetre() = default;
