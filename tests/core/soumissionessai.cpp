#include "tests/core/soumissionessai.h"

#include "core/exercice/cases.h"
#include "core/exercice/soumission.h"
#include "display/zones/objettexte.h"
#include "display/zones/zoneaffichage.h"
#include "tests/core/uniteessai.h"

void SoumissionEssai::SetUp() {
    d.dossierProgramme = "/prog/";
    plateforme.sonsPresents = true;
    uniteessai::inscrire();
}

void SoumissionEssai::TearDown() {
    uniteessai::desinscrire();
}

void SoumissionEssai::repondre(std::initializer_list<const char*> reponses) {
    int k = 1;
    for (const char* r : reponses) {
        champReponse(d, k++)->texte = r;
    }
    EditKeyDown(d, 1, toucheEntree);
}

std::vector<std::string> SoumissionEssai::textesSolution() const {
    std::vector<std::string> textes;
    for (const auto& objet : d.zoneSolution->objets) {
        if (const auto* t = dynamic_cast<const Ttexte*>(objet.get())) {
            textes.push_back(t->texte);
        }
    }
    return textes;
}

std::vector<double> SoumissionEssai::lignesSolution() const {
    std::vector<double> lignes;
    for (const auto& objet : d.zoneSolution->objets) {
        if (const auto* t = dynamic_cast<const Ttexte*>(objet.get())) {
            lignes.push_back(t->y / 18);
        }
    }
    return lignes;
}

void SoumissionEssai::cliquerCase(int n) {
    const TcaseChoix& c = d.cases[n];
    d.sourisX = static_cast<int>((c.xGauche + c.xDroite) / 2);
    d.sourisY = static_cast<int>((c.yHaut + c.yBas) / 2);
    basculerCase(d);
}
