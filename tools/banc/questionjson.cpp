#include "tools/banc/questionjson.h"

#include "core/donneescommunes.h"
#include "display/zones/objettexte.h"
#include "display/zones/zoneaffichage.h"

#include <nlohmann/json.hpp>

using json = nlohmann::json;

json texteZone(const Ttexte& t, const TzoneAffichage& zone) {
    return {{"ligne", t.y / 18 + 0.5}, {"colonne", t.x / 8 - zone.marge}, {"texte", t.texte}};
}

json enonceEnJson(const TdonneesCommunes& d) {
    json enonce = json::array();
    if (!d.zoneEnonce) {
        return enonce;
    }
    for (const auto& objet : d.zoneEnonce->objets) {
        if (const auto* t = dynamic_cast<const Ttexte*>(objet.get())) {
            enonce.push_back(texteZone(*t, *d.zoneEnonce));
        }
    }
    return enonce;
}

json champsEnJson(const TdonneesCommunes& d) {
    json champs = json::array();
    for (int k = 1; k <= d.nombreChamps && k <= 3; ++k) {
        champs.push_back({{"type", static_cast<int>(d.typeReponse[k])},
                          {"attendu", d.reponseAttendue[k].texte()},
                          {"valeur", d.valeurAttendue[k]},
                          {"lettres", d.lettresPermises[k].texte()},
                          {"precision", d.precision[k]}});
    }
    return champs;
}

json casesEnJson(const TdonneesCommunes& d) {
    json tableCases = json::array();
    for (int n = 1; n <= nombreMaxCases; ++n) {
        const TcaseChoix& c = d.cases[n];
        if (c.active) {
            tableCases.push_back(
                {{"numero", n},
                 {"texte", c.etiquette != 0 ? d.etiquettes[c.etiquette].texte.texte() : ""},
                 {"juste", d.choixUnique ? n == d.caseJuste
                                         : d.casesJustes.test(static_cast<std::size_t>(n))}});
        }
    }
    return tableCases;
}
