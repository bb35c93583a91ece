#include "display/division/objetdivision.h"

#include "analysis/texte/texteutf8.h"
#include "display/division/blocdivision.h"
#include "display/zones/zoneaffichage.h"

#include <memory>

Tdivision::Tdivision() : TobjetZone(genreDivision, Tclasse::division) {}

void Tdivision::peindre(Tcanevas& canevas, TzoneAffichage&) {
    TblocDiv bloc;
    bloc.facteur = 1.3;
    bloc.montrerProduits = false;
    if (!preparerDivision(bloc, dividende, diviseur, decimales)) {
        return;
    }
    poserDivision(bloc);
    calculerGeometrie(bloc, x, y);
    dessinerDivision(canevas, bloc);
}

int ajouterDivision(TzoneAffichage& zone, std::string_view dividende, std::string_view diviseur,
                    int decimales, double colonne, double ligne) {
    auto division = std::make_unique<Tdivision>();
    division->dividende = texteutf8::couper(dividende, 120);
    division->diviseur = texteutf8::couper(diviseur, 120);
    division->decimales = decimales;
    division->x = (colonne + zone.marge) * 8;
    division->y = ligne * 18;
    return ajouterObjet(zone, "division" + std::to_string(zone.nombreObjets() + 1),
                        std::move(division));
}
