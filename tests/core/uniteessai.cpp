#include "tests/core/uniteessai.h"

#include "analysis/jugement/verdict.h"
#include "core/donneescommunes.h"
#include "core/exercice/cases.h"
#include "core/exercice/champsreponse.h"
#include "core/exercice/enonce.h"
#include "core/exercice/repartition.h"
#include "core/exercice/soumission.h"
#include "core/exercice/verdicts.h"
#include "display/tableaux/objetdiagramme.h"
#include "display/zones/zoneaffichage.h"

#include <string>

namespace uniteessai {

namespace {

void unChamp(TdonneesCommunes& d, int bareme) {
    d.titreExercice = "Un champ";
    d.bareme = bareme;
    preparerChampsReponse(d, 1);
    etiquetterReponse(d);
    d.valeurAttendue[1] = 12;
    d.texte1 = "La réponse est 12.";
    ajouterLigneEnonce(d, "Combien font 3 × 4 ?", 2);
}

void poser(TdonneesCommunes& d) {
    switch (d.numeroExercice) {
    case serieUnChamp:
        unChamp(d, 1);
        d.nombreQuestions = 3;
        d.valeurAttendue[1] = 11 + d.numeroQuestion;
        break;
    case bareme3:
        unChamp(d, 3);
        break;
    case bareme2:
        unChamp(d, 2);
        break;
    case deuxChamps:
    case premierFaux:
        d.titreExercice = "Deux champs";
        d.bareme = 4;
        preparerChampsReponse(d, 2);
        etiquetterAB(d);
        d.valeurAttendue[1] = 1;
        d.valeurAttendue[2] = 2;
        d.premierFauxSeulement = d.numeroExercice == premierFaux;
        break;
    case troisChamps:
        d.titreExercice = "Trois champs";
        d.bareme = 6;
        preparerChampsReponse(d, 3);
        etiquetterABC(d);
        d.valeurAttendue[1] = 1;
        d.valeurAttendue[2] = 2;
        d.valeurAttendue[3] = 3;
        break;
    case casesMultiples:
        d.titreExercice = "Cases";
        d.modeReponse = modeReponseCases;
        disposerCases(d, 2, 3, 600, 30);
        for (int n = 1; n <= 6; ++n) {
            if (n == 2 || n == 5) {
                ajouterCaseJuste(d, n, "juste", 2);
            } else {
                ajouterCase(d, n, "faux", 2);
            }
        }
        d.nombreCases = 6;
        break;
    case choixUnique:
        d.titreExercice = "Choix unique";
        d.bareme = 2;
        d.modeReponse = modeReponseCases;
        d.choixUnique = true;
        d.correctionVisible = false;
        disposerCases(d, 1, 3, 600, 30);
        for (int n = 1; n <= 3; ++n) {
            ajouterCase(d, n, "case", 2);
        }
        d.caseJuste = 3;
        d.nombreCases = 3;
        break;
    case barres:
        d.titreExercice = "Diagramme en barres";
        d.bareme = 2;
        diagramme(*d.zoneFigure, 3, "2;5;7", "A\\B\\C", Tdiagramme::barres, false);
        lireValeursAttendues(d, "3\\5\\7");
        break;
    case secteurs:
        d.titreExercice = "Diagramme circulaire";
        diagramme(*d.zoneFigure, 2, "120", "filles\\garçons", Tdiagramme::secteurs, false);
        lireValeursAttendues(d, "90\\270");
        break;
    case videPermis:
        unChamp(d, 1);
        d.reponseVidePermise[1] = true;
        d.reponseAttendue[1] = "";
        break;
    default:
        break;
    }
}

// Cases à choix multiple : justes quand les cases choisies sont les justes, notées comme un
// champ de barème 1.
void jugerCasesMultiples(TdonneesCommunes& d) {
    bool justes = true;
    for (int n = 1; n <= d.nombreCases; ++n) {
        justes = justes && d.casesChoisies.test(static_cast<std::size_t>(n)) ==
                               d.casesJustes.test(static_cast<std::size_t>(n));
    }
    conclureQuestion(d, justes ? Tverdict::exact : Tverdict::faux, Tnotation::premierEssai);
    if (!justes) {
        d.solutionPermise = d.essai > 2;
    }
}

void juger(TdonneesCommunes& d) {
    if (d.numeroExercice == casesMultiples) {
        jugerCasesMultiples(d);
    } else {
        jugerReponseStandard(d);
    }
}

} // namespace

void inscrire() {
    inscrireUniteChapitre(2, {poser, juger, ecrireSolutionPreparee, nullptr});
}

void desinscrire() {
    effacerUnitesChapitre();
}

int champsJuges(const TdonneesCommunes& d) {
    int n = 0;
    for (int k = 1; k <= 3; ++k) {
        n += d.verdictsChamps[k] != Tverdict::aucun ? 1 : 0;
    }
    return n;
}

} // namespace uniteessai
