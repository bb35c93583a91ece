#include "core/exercice/reponsemodele.h"

#include "analysis/nombres/ecriturenombre.h"
#include "core/controles/champsaisie.h"
#include "core/donneescommunes.h"
#include "core/exercice/repartition.h"

#include <algorithm>

namespace {

int nombreChampsPoses(const TdonneesCommunes& d) {
    return std::clamp<int>(d.nombreChamps, 0, 3);
}

bool videAttendu(const TdonneesCommunes& d, int k) {
    return d.reponseVidePermise[k] && d.reponseAttendue[k].empty();
}

void ecrireChamp(TdonneesCommunes& d, int k, const std::string& texte) {
    if (TchampSaisie* champ = champReponse(d, k)) {
        champ->texte = texte;
    }
}

void choisirCasesJustes(TdonneesCommunes& d) {
    for (int n = 1; n <= nombreMaxCases; ++n) {
        d.cases[n].choisie =
            d.choixUnique ? n == d.caseJuste : d.casesJustes.test(static_cast<std::size_t>(n));
    }
}

} // namespace

std::string reponseModeleChamp(const TdonneesCommunes& d, int k) {
    if (k < 1 || k > 3 || videAttendu(d, k)) {
        return {};
    }
    if (!d.reponseAttendue[k].empty()) {
        return d.reponseAttendue[k].texte();
    }
    return nombres::texteReelVirgule(d.valeurAttendue[k]);
}

std::string reponseFausseChamp(const TdonneesCommunes& d, int k) {
    if (k < 1 || k > 3) {
        return {};
    }
    if (videAttendu(d, k)) {
        return "1";
    }
    if (!d.reponseAttendue[k].empty()) {
        return d.reponseAttendue[k].texte() + "+1";
    }
    return nombres::texteReelVirgule(d.valeurAttendue[k] + 1);
}

void donnerReponseModeleParDefaut(TdonneesCommunes& d) {
    for (int k = 1; k <= nombreChampsPoses(d); ++k) {
        ecrireChamp(d, k, reponseModeleChamp(d, k));
    }
    if (d.modeReponse == modeReponseCases) {
        choisirCasesJustes(d);
    }
}

void donnerReponseFausseParDefaut(TdonneesCommunes& d) {
    donnerReponseModeleParDefaut(d);
    if (nombreChampsPoses(d) > 0) {
        ecrireChamp(d, 1, reponseFausseChamp(d, 1));
    }
    if (d.modeReponse != modeReponseCases) {
        return;
    }
    for (int n = 1; n <= nombreMaxCases; ++n) {
        TcaseChoix& c = d.cases[n];
        if (!c.active) {
            continue;
        }
        if (!d.choixUnique) {
            c.choisie = !c.choisie;
            return;
        }
        if (n != d.caseJuste) {
            for (TcaseChoix& autre : d.cases) {
                autre.choisie = false;
            }
            c.choisie = true;
            return;
        }
    }
}

void donnerReponseModele(TdonneesCommunes& d) {
    const TuniteChapitre* unite = uniteChapitre(d.codeChapitre);
    if (unite != nullptr && unite->donnerReponseModele != nullptr) {
        unite->donnerReponseModele(d);
    } else {
        donnerReponseModeleParDefaut(d);
    }
}

void donnerReponseFausse(TdonneesCommunes& d) {
    const TuniteChapitre* unite = uniteChapitre(d.codeChapitre);
    if (unite != nullptr && unite->donnerReponseFausse != nullptr) {
        unite->donnerReponseFausse(d);
    } else {
        donnerReponseFausseParDefaut(d);
    }
}
