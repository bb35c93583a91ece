#include "core/verificateurs/verifiernomspoints.h"

#include "analysis/jugement/genresreponse.h"
#include "analysis/jugement/verdict.h"
#include "analysis/texte/chaines.h"
#include "analysis/texte/texteutf8.h"
#include "core/donneescommunes.h"
#include "core/verificateurs/messagesverdict.h"

#include <algorithm>
#include <array>
#include <set>
#include <string>

namespace verificateurs {

namespace {

// Nombre de noms demandés par genre, s'ils doivent être distincts, et la ligne d'aide.
struct TnomsDemandes {
    TgenreReponse genre;
    std::size_t nombre;
    bool distincts;
    std::string_view aide;
};

constexpr std::array nomsDemandes{
    TnomsDemandes{TgenreReponse::deuxPoints, 2, true, "Proposer deux points distincts."},
    TnomsDemandes{TgenreReponse::couplePoints, 2, false, "Proposer deux points."},
    TnomsDemandes{TgenreReponse::unPoint, 1, false, "Proposer le nom d'un point unique."},
    TnomsDemandes{TgenreReponse::troisPoints, 3, true, "Proposer trois points distincts."},
    TnomsDemandes{TgenreReponse::quadrilatere, 4, false,
                  "Elle devrait se composer de quatre noms de points."},
};

} // namespace

Tverdict verifierNomsPoints(TdonneesCommunes& d, int a) {
    const TgenreReponse code = d.typeReponse[a];
    const std::u32string noms = texteutf8::versPointsDeCode(
        nombres::supprimerCaracteres(nombres::supprimerBlancs(d.reponseDonnee[a]), "()[]"));
    const std::u32string connus = texteutf8::versPointsDeCode(d.lettresPoints);
    const std::string incorrecte = libelleReponse(d, a) + "est incorrecte.";

    for (char32_t c : noms) {
        if (connus.find(c) == std::u32string::npos) {
            return refuser(d, Tverdict::illisible,
                           {incorrecte, "Vous devez utiliser les noms de points connus."});
        }
    }
    const auto demande = std::find_if(nomsDemandes.begin(), nomsDemandes.end(),
                                      [code](const TnomsDemandes& n) { return n.genre == code; });
    if (demande != nomsDemandes.end()) {
        const bool compte = noms.size() == demande->nombre;
        const bool distincts = std::set<char32_t>(noms.begin(), noms.end()).size() == noms.size();
        if (!compte || (demande->distincts && !distincts)) {
            return refuser(d, Tverdict::illisible, {incorrecte, demande->aide});
        }
    }

    const std::u32string attendu = texteutf8::versPointsDeCode(d.reponseAttendue[a]);
    for (char32_t c : noms) {
        if (attendu.find(c) == std::u32string::npos) {
            return Tverdict::faux;
        }
    }
    if ((code == TgenreReponse::couplePoints || code == TgenreReponse::quadrilatere) &&
        attendu.find(noms) == std::u32string::npos) {
        return Tverdict::faux;
    }
    return Tverdict::exact;
}

} // namespace verificateurs
