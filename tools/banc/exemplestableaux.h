#pragma once

// Les exemples de tableaux et de diagrammes statistiques que « calvane-banc rendre --exemple »
// dessine dans une zone d'affichage sans fenêtre, pour regarder leur rendu en PNG : un
// tableau de données, une feuille de calcul, un diagramme en barres et un diagramme
// circulaire. Un glisser facultatif est joué à la souris avant le dessin.

#include <optional>
#include <string>

// Dessine l'exemple nommé dans le PNG, écrit le JSON du résultat et rend le code de sortie ;
// lève ErreurArguments pour un nom ou un glisser mal formés.
int rendreExempleTableau(const std::string& nom, const std::optional<std::string>& glisser,
                         const std::string& png);
