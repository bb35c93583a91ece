#include "sansfenetre.h"

#include "zoneaffichage.h"

TsansFenetre::TsansFenetre() {
    initialiserDonneesCommunes(d);
    controles.lier(d);
    controles.creerZones(d);
    d.plateforme = &plateforme;
}

TsansFenetre::~TsansFenetre() = default;
