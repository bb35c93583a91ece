#pragma once

// Les zones cliquables d'un dessin écrites en JSON par les sous-commandes de calvane-banc :
// une entrée {"x", "y", "largeur", "hauteur", "cible"} par zone, dans l'ordre d'inscription.

#include <nlohmann/json.hpp>

struct TzonesCliquables;

nlohmann::json zonesEnJson(const TzonesCliquables& liste);
