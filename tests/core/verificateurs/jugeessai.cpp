#include "tests/core/verificateurs/jugeessai.h"

#include "core/exercice/exercice.h"
#include "core/exercice/soumission.h"
#include "core/verificateurs/verificateurs.h"
#include "display/zones/objettexte.h"
#include "display/zones/zoneaffichage.h"

JugeEssai::JugeEssai() {
    inscrireVerificateurs();
}

JugeEssai::~JugeEssai() {
    inscrireCorrecteurChamp({});
}

Tjugement JugeEssai::juger(const CasChamp& cas) {
    const int a = cas.nombreChamps < 1 ? 1 : cas.nombreChamps;
    d_.nombreChamps = static_cast<std::uint8_t>(cas.nombreChamps);
    d_.typeReponse[a] = cas.type;
    d_.reponseAttendue[a] = cas.attendu;
    d_.valeurAttendue[a] = cas.valeur;
    d_.lettresPermises[a] = cas.lettres;
    d_.lettresPoints = cas.pointsFigure;
    d_.precision[a] = cas.precision;
    d_.reponseVidePermise[a] = cas.videPermis;
    d_.reponseDonnee[a] = cas.reponse;
    d_.ligneMessage = 2.5;
    effacerSolution(d_);
    plateforme_.effacerJournal();

    Tjugement j;
    j.verdict = static_cast<int>(jugerChamp(d_, a));
    for (const auto& objet : d_.zoneSolution->objets) {
        if (const auto* t = dynamic_cast<const Ttexte*>(objet.get())) {
            j.messages.push_back(t->texte);
        }
    }
    j.bipsIncorrect = plateforme_.nombre(TplateformeScriptee::Appel::Bip);
    return j;
}
