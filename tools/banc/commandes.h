#pragma once

// Les sous-commandes de calvane-banc. Chacune reçoit ses arguments (sans son nom), écrit
// un objet JSON sur la sortie standard et rend le code de sortie ; elle lève
// ErreurArguments pour de mauvais arguments (code 2).

#include <string>
#include <vector>

using Commande = int (*)(const std::vector<std::string>& arguments);

struct SousCommande {
    const char* nom;
    Commande executer;
    const char* usage;
};

int commandeAnalyser(const std::vector<std::string>& arguments);
int commandeRendre(const std::vector<std::string>& arguments);
int commandeExercice(const std::vector<std::string>& arguments);
int commandeParcours(const std::vector<std::string>& arguments);
int commandeQuestions(const std::vector<std::string>& arguments);
int commandeJuger(const std::vector<std::string>& arguments);
