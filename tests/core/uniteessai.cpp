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

int appels = 0;

void unChamp(TdonneesCommunes& d, int bareme) {
    d.titreExercice = "Un champ";
    d.bareme = bareme;
    preparerChampsReponse(d, 1);
    etiquetterReponse(d);
    d.reponseAttendue[1] = "12";
    d.texte1 = "La réponse est 12.";
    ajouterLigneEnonce(d, "Combien font 3 × 4 ?", 2);
}

void poser(TdonneesCommunes& d) {
    switch (d.numeroExercice) {
    case serieUnChamp:
        unChamp(d, 1);
        d.nombreQuestions = 3;
        d.reponseAttendue[1] = std::to_string(11 + d.numeroQuestion);
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
        d.reponseAttendue[1] = "1";
        d.reponseAttendue[2] = "2";
        d.premierFauxSeulement = d.numeroExercice == premierFaux;
        break;
    case troisChamps:
        d.titreExercice = "Trois champs";
        d.bareme = 6;
        preparerChampsReponse(d, 3);
        etiquetterABC(d);
        d.reponseAttendue[1] = "1";
        d.reponseAttendue[2] = "2";
        d.reponseAttendue[3] = "3";
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
        d.typeReponse[1] = genreCases;
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

Tverdict corriger(TdonneesCommunes& d, int k) {
    ++appels;
    if (d.typeReponse[k] == genreCases) {
        for (int n = 1; n <= d.nombreCases; ++n) {
            if (d.casesChoisies.test(static_cast<std::size_t>(n)) !=
                d.casesJustes.test(static_cast<std::size_t>(n))) {
                return Tverdict::faux;
            }
        }
        return Tverdict::exact;
    }
    const std::string& donnee = d.reponseDonnee[k].texte();
    if (!donnee.empty() && donnee[0] == '?') {
        verdictIncorrect(d);
        ajouterMessage(d, "Réponse illisible");
        return Tverdict::illisible;
    }
    if (!donnee.empty() && donnee[0] == '~') {
        verdictIncorrect(d);
        ajouterMessage(d, "Réponse simplifiable");
        return Tverdict::malEcrit;
    }
    return donnee == d.reponseAttendue[k].texte() ? Tverdict::exact : Tverdict::faux;
}

} // namespace

void inscrire() {
    appels = 0;
    inscrireUniteChapitre(2, {poser, jugerReponseStandard, ecrireSolutionPreparee, nullptr});
    inscrireCorrecteurChamp(corriger);
}

void desinscrire() {
    effacerUnitesChapitre();
    inscrireCorrecteurChamp({});
}

int nombreAppels() {
    return appels;
}

} // namespace uniteessai
