#include "core/exercice/repartition.h"

#include "core/donneescommunes.h"
#include "core/exercice/soumission.h"
#include "core/identifiants.h"

#include <array>

namespace {

constexpr int nombreUnites = dernierCodeChapitre - premierCodeChapitre + 1;

std::array<TuniteChapitre, nombreUnites>& unites() {
    static std::array<TuniteChapitre, nombreUnites> table{};
    return table;
}

bool codeValide(int code) {
    return code >= premierCodeChapitre && code <= dernierCodeChapitre;
}

ProcedureChapitre procedure(const TdonneesCommunes& d, ProcedureChapitre TuniteChapitre::*p) {
    const TuniteChapitre* unite = uniteChapitre(d.codeChapitre);
    return unite != nullptr ? unite->*p : nullptr;
}

void appeler(TdonneesCommunes& d, ProcedureChapitre TuniteChapitre::*p) {
    if (ProcedureChapitre f = procedure(d, p)) {
        f(d);
    }
}

} // namespace

void inscrireUniteChapitre(int code, const TuniteChapitre& unite) {
    if (codeValide(code)) {
        unites()[static_cast<std::size_t>(code - premierCodeChapitre)] = unite;
    }
}

const TuniteChapitre* uniteChapitre(int code) {
    if (!codeValide(code)) {
        return nullptr;
    }
    const TuniteChapitre& unite = unites()[static_cast<std::size_t>(code - premierCodeChapitre)];
    const bool inscrite = unite.poserEnonce != nullptr || unite.jugerReponse != nullptr ||
                          unite.donnerSolution != nullptr || unite.reprendreEnonce != nullptr;
    return inscrite ? &unite : nullptr;
}

void effacerUnitesChapitre() {
    unites().fill(TuniteChapitre{});
}

void poserEnonce(TdonneesCommunes& d) {
    appeler(d, &TuniteChapitre::poserEnonce);
}

void jugerReponse(TdonneesCommunes& d) {
    if (ProcedureChapitre f = procedure(d, &TuniteChapitre::jugerReponse)) {
        f(d);
    } else {
        jugerReponseStandard(d);
    }
}

void donnerSolution(TdonneesCommunes& d) {
    appeler(d, &TuniteChapitre::donnerSolution);
}

void reprendreEnonce(TdonneesCommunes& d) {
    appeler(d, &TuniteChapitre::reprendreEnonce);
}
