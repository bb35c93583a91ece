#pragma once

// Banc d'essai du jugement d'un champ : un cas de table (genre, attendu, réponse…) décrit le
// champ, jugement::jugerChamp le juge, et l'on compare verdict, lignes et refus.

#include "analysis/jugement/jugement.h"

#include <optional>
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
    // Bips « question » : un par verdict 6 ou 9 refusé par un correcteur (avec l'image
    // « incorrecte »).
    int bipsIncorrect = 0;
    std::optional<double> valeurLue;
};

// Juge le champ a du cas : le champ 1 par défaut, sinon le dernier des nombreChamps champs.
class JugeEssai {
public:
    Tjugement juger(const CasChamp& cas);
};

// Nom d'un cas pour INSTANTIATE_TEST_SUITE_P.
struct NomCas {
    template <typename Info> std::string operator()(const Info& info) const {
        return info.param.nom;
    }
};
