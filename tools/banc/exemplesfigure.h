#pragma once

// Les dessins d'essai de « calvane-banc rendre » : une figure d'exemple et une division
// posée, peintes dans une zone d'affichage sur une image blanche et écrites en PNG, pour que
// chacun puisse les regarder. Chaque fonction rend l'objet JSON de la sortie, ou lève
// ErreurArguments.

#include <nlohmann/json.hpp>
#include <string>

// Noms des figures d'exemple connues, séparés par des virgules (pour l'aide).
extern const char* const figuresExemple;

nlohmann::json rendreFigureExemple(const std::string& nom, const std::string& png);

// « DIVIDENDE/DIVISEUR », le dividende pouvant porter une virgule.
nlohmann::json rendreDivisionExemple(const std::string& division, int decimales,
                                     const std::string& png);
