#pragma once

// La question posée en JSON, comme « exercice » et « questions » l'écrivent : lignes de
// l'énoncé, champs (genre, attendu, valeur, lettres, précision) et cases.

#include <nlohmann/json_fwd.hpp>

struct TdonneesCommunes;
class Ttexte;
struct TzoneAffichage;

// {"ligne", "colonne", "texte"} d'un texte de la zone, en unités de l'énoncé.
nlohmann::json texteZone(const Ttexte& t, const TzoneAffichage& zone);

nlohmann::json enonceEnJson(const TdonneesCommunes& d);
nlohmann::json champsEnJson(const TdonneesCommunes& d);
nlohmann::json casesEnJson(const TdonneesCommunes& d);
