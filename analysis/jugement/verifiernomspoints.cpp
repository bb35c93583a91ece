#include "analysis/jugement/verifiernomspoints.h"

#include "analysis/jugement/messages.h"
#include "analysis/texte/chaines.h"
#include "analysis/texte/texteutf8.h"

#include <algorithm>
#include <array>
#include <set>
#include <string>

namespace jugement {

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

// Les noms sans la notation qui les entoure : « [AB] » (segment), « (AB) » (droite) ou
// « [AB) » (demi-droite), autour du nom entier seulement. Un crochet ou une parenthèse
// placé ailleurs reste, et n'est le nom d'aucun point.
std::u32string sansNotation(std::u32string s) {
    constexpr std::u32string_view signes = U"()[]";
    if (s.size() >= 3 && (s.front() == U'[' || s.front() == U'(') &&
        (s.back() == U']' || s.back() == U')') && !(s.front() == U'(' && s.back() == U']') &&
        s.substr(1, s.size() - 2).find_first_of(signes) == std::u32string::npos) {
        return s.substr(1, s.size() - 2);
    }
    return s;
}

} // namespace

TjugementChamp verifierNomsPoints(const TchampAJuger& c) {
    const TgenreReponse code = c.genre;
    const std::u32string noms =
        sansNotation(texteutf8::versPointsDeCode(nombres::supprimerBlancs(c.reponse)));
    const std::u32string connus = texteutf8::versPointsDeCode(c.lettresPoints);
    const std::string incorrecte = libelleReponse(c) + "est incorrecte.";

    for (char32_t nom : noms) {
        if (connus.find(nom) == std::u32string::npos) {
            return refuser(Tverdict::illisible,
                           {incorrecte, "Vous devez utiliser les noms de points connus."});
        }
    }
    const auto demande = std::find_if(nomsDemandes.begin(), nomsDemandes.end(),
                                      [code](const TnomsDemandes& n) { return n.genre == code; });
    if (demande != nomsDemandes.end()) {
        const bool compte = noms.size() == demande->nombre;
        const bool distincts = std::set<char32_t>(noms.begin(), noms.end()).size() == noms.size();
        if (!compte || (demande->distincts && !distincts)) {
            return refuser(Tverdict::illisible, {incorrecte, demande->aide});
        }
    }

    const std::u32string attendu = texteutf8::versPointsDeCode(c.attendu);
    for (char32_t nom : noms) {
        if (attendu.find(nom) == std::u32string::npos) {
            return verdictSeul(Tverdict::faux);
        }
    }
    if ((code == TgenreReponse::couplePoints || code == TgenreReponse::quadrilatere) &&
        attendu.find(noms) == std::u32string::npos) {
        return verdictSeul(Tverdict::faux);
    }
    return verdictSeul(Tverdict::exact);
}

} // namespace jugement
