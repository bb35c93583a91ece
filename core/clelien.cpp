#include "core/clelien.h"

#include "analysis/texte/texteutf8.h"

#include <array>
#include <string>

namespace {

struct CleConnue {
    int identifiant;
    std::string_view cle;
};

// Toutes les clés : pages de cours du chapitre 1 (« Cours » et « Savoir-faire ») et
// fiches d'explication partagées. Les identifiants 2880 et 2881 n'ont pas de clé.
constexpr std::array<CleConnue, 14> clesConnues{{
    {1011, "02_C1"},
    {1012, "02_C2"},
    {1013, "02_C3"},
    {1014, "02_C4"},
    {1016, "02_SF1"},
    {1017, "02_SF2"},
    {1018, "02_SF3"},
    {1019, "02_SF4"},
    {2875, "troncarr"},
    {2876, "divid"},
    {2877, "numden"},
    {2878, "cridivi"},
    {2879, "prodcroix"},
    {2882, "strilar"},
}};

// Premier identifiant de [premier, dernier] dont la clé vaut cle, 0 sinon. La table est
// rangée par identifiant croissant, comme le parcours des identifiants l'exige.
int chercher(std::string_view cle, int premier, int dernier) {
    for (const auto& connue : clesConnues) {
        if (connue.identifiant >= premier && connue.identifiant <= dernier && connue.cle == cle) {
            return connue.identifiant;
        }
    }
    return 0;
}

} // namespace

std::string_view cleDeIdentifiant(int identifiant) {
    for (const auto& connue : clesConnues) {
        if (connue.identifiant == identifiant) {
            return connue.cle;
        }
    }
    return {};
}

int identifiantDeCle(std::string_view cle) {
    const std::string coupee = texteutf8::couper(cle, 10);
    if (coupee.size() < 2) {
        return 0;
    }
    const std::string_view propre = std::string_view(coupee).substr(1);
    switch (coupee[0]) {
    case 'C':
        return chercher(propre, 1000, 1999);
    case 'P':
        return chercher(propre, 2000, 2882);
    default:
        return 0;
    }
}
