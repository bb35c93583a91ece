#pragma once

// Banc d'essai des correcteurs : un enregistrement sans fenêtre (contrôles, zones,
// plateforme scriptée) dont on remplit le champ 1 (ou a) avant de le faire juger par
// jugerChamp, les vrais correcteurs inscrits. Les messages sont relus dans la zone de la
// solution.

#include "core/donneescommunes.h"
#include "core/plateforme/plateformescriptee.h"
#include "core/plateforme/sansfenetre.h"

#include <string>
#include <vector>

// Un champ à juger et ce qu'on en attend. Les derniers membres ont les valeurs d'une
// question neuve à un seul champ.
struct CasChamp {
    const char* nom;
    TgenreReponse type;
    std::string attendu;
    double valeur;
    std::string reponse;
    int verdict;
    std::vector<std::string> messages;
    const char* lettres = "";
    const char* pointsFigure = "";
    int nombreChamps = 1;
    double precision = 1e-9;
    bool videPermis = false;
};

struct Tjugement {
    int verdict = 0;
    std::vector<std::string> messages;
    // Bips « question » : un par verdict 6 ou 9 donné par un correcteur.
    int bipsIncorrect = 0;
};

class JugeEssai {
public:
    JugeEssai();
    ~JugeEssai();

    // Juge le champ a (le champ 1 par défaut, sinon le dernier des nombreChamps champs).
    Tjugement juger(const CasChamp& cas);
    TdonneesCommunes& donnees() { return d_; }

private:
    TsansFenetre monde_;
    TdonneesCommunes& d_ = monde_.d;
    TplateformeScriptee& plateforme_ = monde_.plateforme;
};

// Nom d'un cas pour INSTANTIATE_TEST_SUITE_P.
struct NomCas {
    template <typename Info> std::string operator()(const Info& info) const {
        return info.param.nom;
    }
};
