#include "exercises/ch10/outilsch10.h"

#include "core/donneescommunes.h"
#include "core/exercice/champsreponse.h"
#include "core/exercice/enonce.h"

#include "analysis/nombres/ecriturenombre.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>

namespace exo5ch10 {

void commencerEnonce(TdonneesCommunes& d, std::string_view titre, int nombreQuestions, int bareme) {
    d.nombreQuestions = nombreQuestions;
    d.titreExercice = std::string(titre);
    d.bareme = bareme;
}

void preparerChamps(TdonneesCommunes& d, int n, bool courtes) {
    preparerChampsReponse(d, n);
    switch (n) {
    case 1:
        etiquetterReponse(d);
        break;
    case 2:
        courtes ? etiquetterAB(d) : etiquetterReponsesAB(d);
        break;
    case 3:
        courtes ? etiquetterABC(d) : etiquetterReponsesABC(d);
        break;
    default:
        break;
    }
}

namespace {

// Vrai quand b n'a que 2 et 5 pour facteurs premiers (a/b a une écriture décimale finie).
bool denominateurDecimal(std::int64_t b) {
    for (const std::int64_t p : {2, 5}) {
        while (b % p == 0) {
            b /= p;
        }
    }
    return b == 1;
}

} // namespace

void attendreNombre(TdonneesCommunes& d, int k, double v) {
    d.valeurAttendue[k] = v;
    for (std::int64_t b = 1; b <= 1000; ++b) {
        const double a = std::round(v * static_cast<double>(b));
        if (std::abs(v * static_cast<double>(b) - a) < 1e-9 * static_cast<double>(b)) {
            d.reponseAttendue[k] =
                denominateurDecimal(b)
                    ? nombres::texteReelVirgule(a / static_cast<double>(b))
                    : std::to_string(static_cast<std::int64_t>(a)) + "/" + std::to_string(b);
            return;
        }
    }
    d.reponseAttendue[k] = nombres::texteReelVirgule(v);
}

void encadrerJusqua(TdonneesCommunes& d, double derniereLigne, double largeur) {
    encadrerConsigne(d, derniereLigne + 0.3, largeur);
}

} // namespace exo5ch10
