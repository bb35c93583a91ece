#include "tools/banc/zonesjson.h"

#include "display/texte/zonescliquables.h"

nlohmann::json zonesEnJson(const TzonesCliquables& liste) {
    nlohmann::json zones = nlohmann::json::array();
    for (int i = 0; i < liste.nombre; ++i) {
        const TzoneCliquable& z = liste.zones[static_cast<std::size_t>(i)];
        zones.push_back({{"x", z.bordGauche},
                         {"y", z.bordHaut},
                         {"largeur", z.bordDroit - z.bordGauche},
                         {"hauteur", z.bordBas - z.bordHaut},
                         {"cible", z.cible}});
    }
    return zones;
}
